// The look of the scene: colours, sphere and bond sizes that the drawing applies, and which
// parts of spheres and bonds can never be seen and need not be drawn.
#pragma once

#include "geometry/vektor.h"
#include "model/tabellen.h"

constexpr int KUGEL_SLICES = 36, KUGEL_STACKS = 18;
constexpr int ZYLINDER_SLICES = 36, ZYLINDER_STACKS = 100;
constexpr double BINDUNGSRADIUS = 0.09325;
// Scene box: the half-axes of the coordinate cross.
constexpr double xmin = -6, xmax = 6, ymin = -4.5, ymax = 4.5, zmin = -10, zmax = 10;

// The drawing switches of the keys S, T, L, K and F.
extern int solidflag;     // solid or wire-frame spheres
extern int ambientflag;   // ambient light on or off
extern int cylinderflag;  // bonds as cylinders or thick lines
extern double kugelskal;  // factor on every atom radius
extern int fadenkreuz;    // draw the coordinate cross

// The light, fixed to the viewer: its position in eye coordinates.
constexpr float LICHTPOSITION[4] = {6.0f, 4.5f, 10.0f, 1.0f};

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

// What a frame need not draw because it cannot be seen: the back faces of spheres and bond
// cylinders, and the stacks of a cylinder that lie inside the solid spheres at its ends. The
// picture stays the same to the pixel; the software renderer is spared most triangles.

// The point the frame is seen from: the projection looks from one unit behind eye.
Vektor3d kamerapunkt();
// Distance in scene units that the near plane of the projection may cut into.
double nahbereich();
// True when the camera and the near plane stay outside the ball of radius r around p.
bool von_aussen(Vektor3d p, double r);

// The stacks [von, bis) of the cylinder of radius r from a to b that must be drawn, given the
// radii ra and rb of the solid spheres drawn at its ends (0: none); geschlossen when its open
// ends lie inside those spheres, so that its back faces can never be seen. Between glatt_von
// and glatt_bis the cylinder runs clear of both spheres, and stacks may be drawn as one section.
struct Stapelbereich {
  int von, bis;
  bool geschlossen;
  int glatt_von, glatt_bis;
};
Stapelbereich sichtbare_stapel(Vektor3d a, double ra, Vektor3d b, double rb, double r);
// The ring after ring j when sections span up to schritt stacks where the cylinder runs clear.
int naechster_ring(const Stapelbereich& s, int j, int schritt);

// How many stacks of a bond cylinder from a to b (eye coordinates) one drawn section may span.
// A section's colour is interpolated between its end rings; the light is so far away that the
// lit colour bends along the bond by less than a thousandth of a colour step over a section.
int stapel_je_abschnitt(Vektor3d a, Vektor3d b);

// A run of anzahl slices from slice erste on, round the circle.
struct Scheibenbereich {
  int erste, anzahl;
};
// The slices of a cylinder of radius r along +z (slice i from (sin, cos) of i * 10 degrees to
// (i + 1) * 10) whose outside may face a camera at k, in the cylinder's own coordinates. The
// others are back faces.
Scheibenbereich vordere_scheiben(Vektor3d k, double r);
// The quads of stack s (from the top, 0 to 17) of a GLUT sphere of radius r (quad j from
// -j * 10 degrees about z to -(j + 1) * 10) that may face a camera at k from its centre.
Scheibenbereich vordere_kugelscheiben(int s, Vektor3d k, double r);

// Turns that bring the +z axis onto d, in degrees: first about z, then about x.
struct Ausrichtung {
  double um_z, um_x;
};
Ausrichtung zylinder_ausrichtung(Vektor3d d);
// p in the coordinates of a cylinder at a turned by w.
Vektor3d zylinderkoordinaten(Vektor3d p, Vektor3d a, Ausrichtung w);
