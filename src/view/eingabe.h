// Keyboard and mouse input of the window: every event goes to an open requester first, then
// to the menu bar, and only what is left to the view (camera, picking, drawing switches).
#pragma once

#include "geometry/vektor.h"

// The drag in progress, kept by the mouse callbacks.
extern Intvektor maus_pos;  // window position of the last step of a drag
extern int maus_knopf;      // button held: 0 left, 1 middle, 2 right, -1 none
extern bool maus_movflag;   // false from a press until the first angle step of the drag

void key(unsigned char c, int x, int y);
void spezial(int key, int x, int y);
void mausknopf(int button, int state, int x, int y);
void mausmotion(int x, int y);   // a button held
void mausmotion2(int x, int y);  // no button held

// Provided by the window layer (the view tests supply their own):
// selects or deselects the atom under the window position; anz_atome when none was hit.
int atomklick(int x, int y);
// asks the window system for a redraw.
void neu_zeichnen();
