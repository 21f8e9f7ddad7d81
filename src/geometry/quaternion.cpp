// Quaternions: rotation by axis and angle, the rotation matrix and the Hamilton product.
#include "geometry/quaternion.h"

void Quaternion::drehung_definieren(Vektor3d achse, double winkel) {
  double s = std::sin(winkel / 2);
  a = std::cos(winkel / 2);
  b = achse.x * s;
  c = achse.y * s;
  d = achse.z * s;
  normieren2();
}

// An angle of 0 (mod 2 pi) or an axis of length 0 leaves no direction to rescale:
// the result is then the identity, so no vector is moved and no NaN appears.
void Quaternion::normieren2() {
  double v2 = b * b + c * c + d * d;
  double rest = 1 - a * a;
  if (v2 == 0 || rest <= 0) {
    a = 1;
    b = c = d = 0;
    return;
  }
  double m = std::sqrt(v2 / rest);
  b /= m;
  c /= m;
  d /= m;
}

void Quaternion::normieren() {
  double n = std::sqrt(a * a + b * b + c * c + d * d);
  a /= n;
  b /= n;
  c /= n;
  d /= n;
}

Drehmatrix Quaternion::rotationsmatrix() const {
  Drehmatrix r;
  r.a = a * a + b * b - c * c - d * d;
  r.b = 2 * (b * c - a * d);
  r.c = 2 * (a * c + b * d);
  r.d = 2 * (a * d + b * c);
  r.e = a * a - b * b + c * c - d * d;
  r.f = 2 * (c * d - a * b);
  r.g = 2 * (b * d - a * c);
  r.h = 2 * (a * b + c * d);
  r.i = a * a - b * b - c * c + d * d;
  return r;
}

Vektor3d Quaternion::vektordrehen(Vektor3d v) const { return rotationsmatrix().drehen(v); }

Vektor3d Quaternion::vektordrehen(Vektor3d v, Vektor3d achse, double winkel) {
  drehung_definieren(achse, winkel);
  return vektordrehen(v);
}

Quaternion Quaternion::operator+=(Quaternion v) {
  a += v.a;
  b += v.b;
  c += v.c;
  d += v.d;
  return *this;
}

Quaternion operator+(Quaternion p, Quaternion q) { return p += q; }

Quaternion operator*(Quaternion p, Quaternion q) {
  return Quaternion(p.a * q.a - p.b * q.b - p.c * q.c - p.d * q.d, p.a * q.b + p.b * q.a + p.c * q.d - p.d * q.c,
                    p.a * q.c + p.c * q.a + p.d * q.b - p.b * q.d, p.a * q.d + p.d * q.a + p.b * q.c - p.c * q.b);
}
