// The look of the scene: colours, sphere and bond sizes that the drawing applies.
#pragma once

#include "geometry/vektor.h"
#include "model/tabellen.h"

constexpr int KUGEL_SLICES = 36, KUGEL_STACKS = 18;
constexpr int ZYLINDER_SLICES = 36, ZYLINDER_STACKS = 100;
constexpr double BINDUNGSRADIUS = 0.09325;

// The colour of a selected atom: each channel 50 brighter, at most 255, at least 100.
void heller(const Atomlist& p, unsigned char* r, unsigned char* g, unsigned char* b);
// The colour an atom is drawn in.
void atomfarbe(const Atomlist& a, unsigned char* r, unsigned char* g, unsigned char* b);
// The whole bond order a bond is drawn with: truncated, 3 and above as 3, anything else
// (below 0 or not a number) as a single bond.
int zeichenordnung(float strong);
// Cylinder radius of a bond of order c.
double bindungsradius(int c);
// Line width of a bond of order c in line mode, for the window width.
float linienbreite(int c, int fensterbreite);

// Turns that bring the +z axis onto d, in degrees: first about z, then about x.
struct Ausrichtung {
  double um_z, um_x;
};
Ausrichtung zylinder_ausrichtung(Vektor3d d);
