// The look of the scene, and what of it cannot be seen.
#include "view/szene.h"

#include <algorithm>
#include <cmath>

#include "view/ansicht.h"

static unsigned char heller_kanal(unsigned char k) {
  int w = k + 50;
  return static_cast<unsigned char>(w > 255 ? 255 : w < 100 ? 100 : w);
}

void heller(const Atomlist& p, unsigned char* r, unsigned char* g, unsigned char* b) {
  *r = heller_kanal(p.r);
  *g = heller_kanal(p.g);
  *b = heller_kanal(p.b);
}

void atomfarbe(const Atomlist& a, unsigned char* r, unsigned char* g, unsigned char* b) {
  if (a.selectflag) {
    heller(a, r, g, b);
    return;
  }
  *r = a.r;
  *g = a.g;
  *b = a.b;
}

int zeichenordnung(float strong) {
  if (strong >= 3) return 3;
  if (strong >= 0) return static_cast<int>(strong);
  return 1;
}

double bindungsradius(int c) {
  if (c >= 3) return BINDUNGSRADIUS * 2.5;
  if (c == 2) return BINDUNGSRADIUS * 1.75;
  return BINDUNGSRADIUS;
}

float linienbreite(int c, int fensterbreite) {
  float w = static_cast<float>(fensterbreite / 200);
  if (c == 2) return w * 2;
  if (c > 2) return w * 5;
  return w;
}

Ausrichtung zylinder_ausrichtung(Vektor3d d) {
  double l = abs(d);
  double grad = 180 / M_PI;
  return {-std::atan2(d.x, d.y) * grad, l > 0 ? -std::acos(d.z / l) * grad : 0};
}

Vektor3d kamerapunkt() {
  Vektor3d blick = eye - cent;
  return eye + blick / abs(blick);
}

// The near plane lies 0.1 in front of the camera; the frame's vertical scale can shorten
// scene distances by its factor, and the corners of the view lie a little further out.
double nahbereich() { return 0.2 / std::min(1.0, static_cast<double>(bildbreite) / bildhoehe); }

bool von_aussen(Vektor3d p, double r) { return abs(p - kamerapunkt()) > r + nahbereich(); }

namespace {

// The drawn sphere is a polyhedron inside the true one: with 10 degrees per slice and per
// stack, every face lies more than 0.99 of the radius from the centre.
constexpr double POLYEDER = 0.98;

// How far along the axis the cylinder of radius r stays inside a sphere of radius rk at its end.
double verdeckt_bis(double rk, double r) {
  double innen = POLYEDER * rk;
  return innen > r ? std::sqrt(innen * innen - r * r) : -1;
}

// True when p lies inside the cylinder of radius r around the segment from a to b.
bool im_zylinder(Vektor3d p, Vektor3d a, Vektor3d b, double r) {
  Vektor3d d = b - a;
  double t = Vektor3dprodukt(p - a, d) / absquadrat(d);
  return t >= 0 && t <= 1 && abs(p - (a + d * t)) <= r + nahbereich();
}

}  // namespace

Stapelbereich sichtbare_stapel(Vektor3d a, double ra, Vektor3d b, double rb, double r) {
  Stapelbereich alles{0, ZYLINDER_STACKS, false};
  double l = abs(b - a);
  double ta = verdeckt_bis(ra, r), tb = verdeckt_bis(rb, r);
  if (l == 0 || ta < 0 || tb < 0 || !von_aussen(a, ra) || !von_aussen(b, rb) || im_zylinder(kamerapunkt(), a, b, r))
    return alles;
  double stapel = l / ZYLINDER_STACKS;
  int von = static_cast<int>(std::floor(ta / stapel));      // stacks below lie inside a's sphere
  int bis = ZYLINDER_STACKS - static_cast<int>(std::floor(tb / stapel));
  von = std::min(von, ZYLINDER_STACKS);
  bis = std::max(bis, 0);
  if (von >= bis) return {0, 0, true};
  return {von, bis, true};
}
