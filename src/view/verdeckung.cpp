// Hidden balls and segments: the box round them in eye coordinates, its nearest depth and
// window rectangle against the depth buffer.
#include "view/verdeckung.h"

#include <algorithm>
#include <cmath>

namespace {

// Depths closer than this count as equal: the buffer holds 24 bits, read back as floats.
constexpr double TIEFENSPIEL = 1e-6;

struct Fenster {
  double x0, y0, x1, y1, tiefe;  // rectangle and nearest depth
};

// How far a ball of radius r reaches along each eye axis.
Vektor3d reichweite(const double m[16], double r) {
  return Vektor3d(r * std::hypot(m[0], m[4], m[8]), r * std::hypot(m[1], m[5], m[9]),
                  r * std::hypot(m[2], m[6], m[10]));
}

// The window rectangle and nearest depth of the eye box from min to max; false when a corner
// lies at or behind the eye, where the picture of the box is not the box of its corners' pictures.
bool fensterbereich(const double m[16], Vektor3d min, Vektor3d max, int breite, int hoehe, Fenster* f) {
  *f = {HUGE_VAL, HUGE_VAL, -HUGE_VAL, -HUGE_VAL, HUGE_VAL};
  for (int ecke = 0; ecke < 8; ecke++) {
    double x = ecke & 1 ? max.x : min.x, y = ecke & 2 ? max.y : min.y, z = ecke & 4 ? max.z : min.z;
    double w = m[3] * x + m[7] * y + m[11] * z + m[15];
    if (!(w > 1e-9)) return false;
    double wx = breite * ((m[0] * x + m[4] * y + m[8] * z + m[12]) / w + 1) / 2;
    double wy = hoehe * ((m[1] * x + m[5] * y + m[9] * z + m[13]) / w + 1) / 2;
    double wz = ((m[2] * x + m[6] * y + m[10] * z + m[14]) / w + 1) / 2;
    *f = {std::min(f->x0, wx), std::min(f->y0, wy), std::max(f->x1, wx), std::max(f->y1, wy), std::min(f->tiefe, wz)};
  }
  return true;
}

// A pixel whose centre lies outside the rectangle can get no fragment of the box; one more
// pixel round covers the rounding of the rasteriser.
bool box_verdeckt(const Verdeckung& v, Vektor3d min, Vektor3d max) {
  Fenster f;
  if (v.breite <= 0 || v.hoehe <= 0 || !fensterbereich(v.projektion, min, max, v.breite, v.hoehe, &f)) return false;
  auto pixel = [](double w, int n) { return static_cast<int>(std::floor(std::clamp(w, -2.0, n + 2.0))); };
  int x0 = std::max(0, pixel(f.x0, v.breite) - 1), x1 = std::min(v.breite - 1, pixel(f.x1, v.breite) + 1);
  int y0 = std::max(0, pixel(f.y0, v.hoehe) - 1), y1 = std::min(v.hoehe - 1, pixel(f.y1, v.hoehe) + 1);
  for (int y = y0; y <= y1; y++) {
    const float* zeile = &v.tiefe[static_cast<size_t>(y) * v.breite];
    for (int x = x0; x <= x1; x++)
      if (!(zeile[x] < f.tiefe - TIEFENSPIEL)) return false;
  }
  return true;
}

}  // namespace

Vektor3d ins_auge(const double m[16], Vektor3d p) {
  return Vektor3d(m[0] * p.x + m[4] * p.y + m[8] * p.z + m[12], m[1] * p.x + m[5] * p.y + m[9] * p.z + m[13],
                  m[2] * p.x + m[6] * p.y + m[10] * p.z + m[14]);
}

bool Verdeckung::kugel_verdeckt(Vektor3d p, double r) const {
  Vektor3d e = ins_auge(modell, p), h = reichweite(modell, r);
  return box_verdeckt(*this, e - h, e + h);
}

bool Verdeckung::strecke_verdeckt(Vektor3d a, Vektor3d b, double r) const {
  Vektor3d ea = ins_auge(modell, a), eb = ins_auge(modell, b), h = reichweite(modell, r);
  Vektor3d min(std::min(ea.x, eb.x), std::min(ea.y, eb.y), std::min(ea.z, eb.z));
  Vektor3d max(std::max(ea.x, eb.x), std::max(ea.y, eb.y), std::max(ea.z, eb.z));
  return box_verdeckt(*this, min - h, max + h);
}
