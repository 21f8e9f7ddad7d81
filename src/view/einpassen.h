// Fitting the view to the atoms: whether every sphere lies inside the window, and the view
// that shows them all when the start view does not.
#pragma once

#include "geometry/vektor.h"

struct Blick {
  Vektor3d eye, cent, up;
};

extern Blick startansicht;  // the view of Home: the start camera, or one fitting every atom
extern double zoomgrenze;   // the farthest the wheel takes the camera: 100, more for a fitted view

// True when the centre of every drawn atom lies inside the window seen from b, clear of its
// borders by a twentieth of the window's half width and half height, and in front of the near
// plane. Caller holds tabellen_sperre.
bool alles_im_bild(const Blick& b);
// The view looking in the direction and with the up of b at the centre of the box of the drawn
// spheres (kugelskal applied), from the nearest distance at which each whole sphere keeps that
// margin. b itself when no atom is drawn.
Blick eingepasst(const Blick& b);
// After a read: the start view is the start camera when every atom fits there, else the fitted
// one; the camera moves only when some atom lies outside it. Main thread, under tabellen_sperre.
void ansicht_einpassen();
// The far plane of the projection: 200, more when the wheel may go farther than 100.
double fernebene();
