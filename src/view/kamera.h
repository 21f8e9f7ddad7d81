// The camera: turning, rolling, zooming and shifting the view, or, in molecule edit mode,
// turning and shifting the active molecule instead.
#pragma once

#include "geometry/vektor.h"

extern Vektor3d eye, cent, up;  // camera position, point looked at, up direction
extern double DX, DY;           // scene units per pixel for shifting: 12 and 9 across the window

void kamera_reset();  // Home: back to the start view (view/einpassen.h)
// Turns by richtung degrees: achse 0 tilts about the horizontal screen axis, 1 turns about
// the up direction, 2 rolls about the line of sight. In edit mode turns the active molecule.
void kamera_drehen(int achse, int richtung);
// Wheel: button 3 brings the camera 0.5 closer (not below a distance of 1), 4 takes it away
// (up to zoomgrenze).
void kamera_zoomen(int knopf);
// Shifts the scene parallel to the screen by k (camera, or the active molecule in edit mode).
void szene_schieben(Vektor3d k);
