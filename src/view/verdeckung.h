// Whether a ball or a bond of the scene is hidden behind what a frame has drawn so far, so that
// drawing it could not change a single pixel.
#pragma once

#include <vector>

#include "geometry/vektor.h"

// p moved by the scene-to-eye transformation m (column by column, as GL keeps it).
Vektor3d ins_auge(const double m[16], Vektor3d p);

struct Verdeckung {
  double modell[16], projektion[16];  // scene to eye, eye to clip coordinates, column by column
  int breite = 0, hoehe = 0;          // the window: viewport 0, 0, breite, hoehe, depths 0 to 1
  std::vector<float> tiefe;           // the depth buffer so far, row by row from the bottom

  // True when every fragment of the ball of radius r around p fails the depth test.
  bool kugel_verdeckt(Vektor3d p, double r) const;
  // The same for everything within r of the segment from a to b.
  bool strecke_verdeckt(Vektor3d a, Vektor3d b, double r) const;
};
