// The modes of the program that both threads use: written by commands on the menu thread and by
// keys on the main thread, read by the input handling and the drawing of the main thread.
#pragma once

#include <atomic>

// Set to 1 by "Exit" (menu thread); the next frame (main thread) ends the process.
extern std::atomic<int> exitflag;
// 1: the camera commands turn and shift aktives_molekuel instead of the view; ^256 while Shift is
// held (main thread). Set by "Molekuel rotieren..." (menu thread, under tabellen_sperre with
// aktives_molekuel), cleared there when refused, by "Editmodus off" (menu thread), by ESC (main
// thread) and when the active molecule goes (under the lock, on the thread that removes it).
extern std::atomic<int> edit_modus;
// The molecule that molecule edit mode moves; written with edit_modus, and when a molecule before it goes.
extern std::atomic<int> aktives_molekuel;
// Angle mode of the mouse: 0 off, 1 key M, 2 key N (main thread); cleared by Enter and ESC (main
// thread) and by "Undo" (menu thread).
extern std::atomic<int> winkelmausflag;
// 1 at start and after "Open File..." added atoms (menu thread, under tabellen_sperre): the next
// frame (main thread, under the lock) fits the start view to all atoms and moves the camera where
// some of them lie outside the window; then 0.
extern std::atomic<int> ansicht_anpassen;
