// Quaternions: every rotation in quil is a unit quaternion built from an axis and an angle
// (right-handed, radians) and applied to each vector that has to turn.
#pragma once

#include "geometry/vektor.h"

struct Drehmatrix {
  double a, b, c, d, e, f, g, h, i;  // row by row
  Drehmatrix() : a(0), b(0), c(0), d(0), e(0), f(0), g(0), h(0), i(0) {}
  Vektor3d drehen(Vektor3d v) const {  // the matrix times v
    return Vektor3d(a * v.x + b * v.y + c * v.z, d * v.x + e * v.y + f * v.z, g * v.x + h * v.y + i * v.z);
  }
};

struct Quaternion {
  double a, b, c, d;  // a scalar part, (b, c, d) vector part
  Quaternion() : a(0), b(0), c(0), d(0) {}
  Quaternion(double a_, double b_, double c_, double d_) : a(a_), b(b_), c(c_), d(d_) {}

  void drehung_definieren(Vektor3d achse, double winkel);
  void normieren2();  // keeps a, rescales the vector part to unit norm
  void normieren();
  Vektor3d vektordrehen(Vektor3d v) const;
  Vektor3d vektordrehen(Vektor3d v, Vektor3d achse, double winkel);
  Drehmatrix rotationsmatrix() const;
  Quaternion operator+=(Quaternion v);
};

Quaternion operator+(Quaternion p, Quaternion q);
Quaternion operator*(Quaternion p, Quaternion q);  // Hamilton product
