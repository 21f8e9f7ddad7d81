// The look of the scene, and what of it cannot be seen.
#include "view/szene.h"

#include <algorithm>
#include <cmath>

#include "ui/fenster.h"
#include "view/kamera.h"

int solidflag = 1;
int ambientflag = 1;
int cylinderflag = 1;
double kugelskal = 1.0;
int fadenkreuz = 0;

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

Vektor3d zylinderkoordinaten(Vektor3d p, Vektor3d a, Ausrichtung w) {
  const double grad = M_PI / 180;
  double sz = std::sin(w.um_z * grad), cz = std::cos(w.um_z * grad);
  double sx = std::sin(w.um_x * grad), cx = std::cos(w.um_x * grad);
  Vektor3d k = p - a;
  return Vektor3d(Vektor3dprodukt(k, Vektor3d(cz, sz, 0)), Vektor3dprodukt(k, Vektor3d(-sz * cx, cz * cx, sx)),
                  Vektor3dprodukt(k, Vektor3d(sz * sx, -cz * sx, cx)));
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

// The shortest distance from p to the segment from a to b.
double abstand_zur_strecke(Vektor3d p, Vektor3d a, Vektor3d b) {
  Vektor3d d = b - a;
  double q = absquadrat(d), t = q > 0 ? Vektor3dprodukt(p - a, d) / q : 0;
  return abs(p - (a + d * std::clamp(t, 0.0, 1.0)));
}

}  // namespace

// Along a line at least rho from the light, the direction to the light bends with at most
// 3 / rho^2 per unit squared; linear interpolation over a section of length s is then off by
// at most 3/8 (s / rho)^2 of the full colour, under 255 * 3/8 * 0.0015^2 < 0.0003 steps here.
int stapel_je_abschnitt(Vektor3d a, Vektor3d b) {
  const Vektor3d licht(LICHTPOSITION[0], LICHTPOSITION[1], LICHTPOSITION[2]);
  double laenge = abs(b - a), abschnitt = 0.0015 * abstand_zur_strecke(licht, a, b);
  if (!(laenge * ZYLINDER_STACKS > 0)) return ZYLINDER_STACKS;
  return static_cast<int>(std::clamp(std::floor(abschnitt / (laenge / ZYLINDER_STACKS)), 1.0, double(ZYLINDER_STACKS)));
}

namespace {

constexpr double GRAD = M_PI / 180, BREITE = 360.0 / ZYLINDER_SLICES;
static_assert(ZYLINDER_SLICES == KUGEL_SLICES, "spheres and cylinders share the slice arcs");

// The slices whose middle, at (i + 0.5) * 10 degrees, lies within halb of mitte, and 2 degrees
// more for rounding.
Scheibenbereich bogen(double mitte, double halb) {
  halb += 2;
  if (halb >= 180) return {0, ZYLINDER_SLICES};
  int erste = static_cast<int>(std::ceil((mitte - halb) / BREITE - 0.5));
  int letzte = static_cast<int>(std::floor((mitte + halb) / BREITE - 0.5));
  int anzahl = std::clamp(letzte - erste + 1, 0, ZYLINDER_SLICES);
  return {((erste % ZYLINDER_SLICES) + ZYLINDER_SLICES) % ZYLINDER_SLICES, anzahl};
}

// A face seen along the half-plane through its middle: it faces a camera at distance rho from
// the axis, height z and angle w off that half-plane when nr rho cos w + nz z > h. The faces
// doing so lie within the returned angle (degrees) of the camera; -1: none, 180: all.
double sichtwinkel(double nr, double nz, double h, double rho, double z) {
  if (!(nr * rho > 1e-12 * h)) return h - nz * z < 0 ? 180 : -1;
  double q = (h - nz * z) / (nr * rho);
  if (q > 1.001) return -1;
  return std::acos(std::clamp(q, -1.0, 1.0)) / GRAD;
}

}  // namespace

// A slice faces the camera when the camera lies outside the plane of its face, which is
// r cos 5 degrees from the axis.
Scheibenbereich vordere_scheiben(Vektor3d k, double r) {
  double w = sichtwinkel(1, 0, r * std::cos(BREITE / 2 * GRAD), std::hypot(k.x, k.y), k.z);
  if (w < 0) return {0, 0};
  return bogen(std::atan2(k.x, k.y) / GRAD, w);
}

// The quads of a stack lie in planes through its two rings' chords; seen in the half-plane
// through a quad's middle, the upper chord's middle is at (sin tu cos 5, cos tu) and the lower
// one's at (sin tl cos 5, cos tl), times r.
Scheibenbereich vordere_kugelscheiben(int s, Vektor3d k, double r) {
  double oben = s * 180.0 / KUGEL_STACKS * GRAD, unten = (s + 1) * 180.0 / KUGEL_STACKS * GRAD;
  double ro = std::sin(oben) * std::cos(BREITE / 2 * GRAD), zo = std::cos(oben);
  double ru = std::sin(unten) * std::cos(BREITE / 2 * GRAD), zu = std::cos(unten);
  double nr = zo - zu, nz = ru - ro, n = std::hypot(nr, nz);
  double w = sichtwinkel(nr / n, nz / n, r * (nr * ro + nz * zo) / n, std::hypot(k.x, k.y), k.z);
  if (w < 0) return {0, 0};
  return bogen(-std::atan2(k.y, k.x) / GRAD, w);
}

namespace {

// The drawn sphere is a polyhedron inside the true one: with 10 degrees per slice and per
// stack, every face lies more than 0.99 of the radius from the centre.
constexpr double POLYEDER = 0.98;

// How far along the axis the cylinder of radius r stays inside a sphere of radius rk at its end.
double verdeckt_bis(double rk, double r) {
  double innen = POLYEDER * rk;
  return innen > r ? std::sqrt(innen * innen - r * r) : -1;
}

// How far along the axis the cylinder of radius r may still touch a sphere of radius rk at its end.
double ausserhalb_ab(double rk, double r) { return rk > r ? std::sqrt(rk * rk - r * r) : 0; }

// True when p lies inside the cylinder of radius r around the segment from a to b.
bool im_zylinder(Vektor3d p, Vektor3d a, Vektor3d b, double r) {
  Vektor3d d = b - a;
  double t = Vektor3dprodukt(p - a, d) / absquadrat(d);
  return t >= 0 && t <= 1 && abs(p - (a + d * t)) <= r + nahbereich();
}

}  // namespace

Stapelbereich sichtbare_stapel(Vektor3d a, double ra, Vektor3d b, double rb, double r) {
  double l = abs(b - a), stapel = l / ZYLINDER_STACKS;
  if (l == 0) return {0, ZYLINDER_STACKS, false, 0, 0};
  int glatt_von = static_cast<int>(std::ceil(ausserhalb_ab(ra, r) / stapel)) + 1;
  int glatt_bis = ZYLINDER_STACKS - static_cast<int>(std::ceil(ausserhalb_ab(rb, r) / stapel)) - 1;
  double ta = verdeckt_bis(ra, r), tb = verdeckt_bis(rb, r);
  Stapelbereich s{0, ZYLINDER_STACKS, false, 0, 0};
  if (!(ta < 0 || tb < 0 || !von_aussen(a, ra) || !von_aussen(b, rb) || im_zylinder(kamerapunkt(), a, b, r))) {
    s.von = std::min(static_cast<int>(std::floor(ta / stapel)), ZYLINDER_STACKS);  // below: inside a's sphere
    s.bis = std::max(ZYLINDER_STACKS - static_cast<int>(std::floor(tb / stapel)), 0);
    s.geschlossen = true;
    if (s.von >= s.bis) s.von = s.bis = 0;
  }
  s.glatt_von = std::clamp(glatt_von, s.von, s.bis);
  s.glatt_bis = std::clamp(glatt_bis, s.glatt_von, s.bis);
  return s;
}

int naechster_ring(const Stapelbereich& s, int j, int schritt) {
  if (j < s.glatt_von || j >= s.glatt_bis) return j + 1;
  return std::min(j + schritt, s.glatt_bis);
}
