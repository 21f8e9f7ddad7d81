// The state of the view: window size and position, camera, drawing switches, exit flag,
// and the mouse and edit mode of the input handling.
#pragma once

#include <atomic>

#include "geometry/vektor.h"

extern int bildbreite, bildhoehe;  // window size in pixels
extern int bildposx, bildposy;     // requested window position
extern int win0;                   // window identifier
extern double DX, DY;              // scene units per pixel, for panning
extern Vektor3d eye, cent, up;     // camera position, point looked at, up direction
extern int solidflag;              // solid or wire-frame spheres
extern int ambientflag;            // ambient light on or off
extern int cylinderflag;           // bonds as cylinders or thick lines
extern double kugelskal;           // factor on every atom radius
extern int fadenkreuz;             // draw the coordinate cross
extern std::atomic<int> exitflag;  // set by the exit command; the next frame ends the process

// Scene box: the half-axes of the coordinate cross; its widths 12 and 9 give DX and DY.
constexpr double xmin = -6, xmax = 6, ymin = -4.5, ymax = 4.5, zmin = -10, zmax = 10;

extern Intvektor maus_pos;  // window position of the last step of a drag
extern int maus_knopf;      // button held: 0 left, 1 middle, 2 right, -1 none
extern bool maus_movflag;   // false from a press until the first angle step of the drag
// 1: the camera commands turn and shift aktives_molekuel; ^256 by Shift. Set by the menu thread
// too, under tabellen_sperre.
extern std::atomic<int> edit_modus;
extern std::atomic<int> aktives_molekuel;
