// The modes of the program that both threads use: written by commands on the menu thread and by
// keys on the main thread, read by the input handling and the drawing of the main thread.
#pragma once

#include <atomic>

// Set to 1 by "Exit" (menu thread); the next frame (main thread) ends the process.
extern std::atomic<int> exitflag;
// 1: the camera commands turn and shift aktives_molekuel instead of the view (set by "Molekuel
// rotieren...", menu thread; cleared by ESC, main thread, and "Editmodus off", menu thread; both
// under tabellen_sperre); ^256 by Shift (main thread).
extern std::atomic<int> edit_modus;
// The molecule that molecule edit mode moves; written with edit_modus, and when a molecule before it goes.
extern std::atomic<int> aktives_molekuel;
// Angle mode of the mouse: 0 off, 1 key M, 2 key N (main thread); cleared by Enter and ESC (main
// thread) and by "Undo" (menu thread).
extern std::atomic<int> winkelmausflag;
