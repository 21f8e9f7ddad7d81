// The window's size in pixels, in which the overlay lays out the requesters and the menu bar.
// Set by the window layer when the window opens and on every resize (main thread); the dialogs
// of the menu thread read it to place their boxes.
#pragma once

#include <atomic>

extern std::atomic<int> bildbreite, bildhoehe;
