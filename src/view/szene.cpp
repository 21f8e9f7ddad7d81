// The look of the scene.
#include "view/szene.h"

#include <cmath>

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
