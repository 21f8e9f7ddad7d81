// The state of the view: window size and position, camera, drawing switches and exit flag.
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
