// Fitting the view: the window's borders are planes through the projection's eye point, one
// unit behind the camera; a sphere lies inside when its centre is at least its radius inside
// each of the four.
#include "view/einpassen.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "model/tabellen.h"
#include "ui/fenster.h"
#include "view/kamera.h"
#include "view/szene.h"

Blick startansicht = {Vektor3d(0, 0, 10), Vektor3d(0, 0, 0), Vektor3d(0, 1, 0)};
double zoomgrenze = 100;

namespace {

const Blick startkamera = startansicht;
constexpr double RAND = 0.05;  // the share of each half of the window kept clear
constexpr double NAH = 0.1;    // the near plane, seen from the projection's eye point

// A view's axes: rechts, oben and vorn (the line of sight).
struct Achsen {
  Vektor3d rechts, oben, vorn;
};

Achsen achsen(const Blick& b) {
  Vektor3d vorn = einheit(b.cent - b.eye);
  Vektor3d rechts = einheit(vektorkreuzprodukt(vorn, b.up));
  return {rechts, vektorkreuzprodukt(rechts, vorn), vorn};
}

// The tangents of the half angles left clear by the margin: across and up the window.
void tangenten(double& quer, double& hoch) {
  quer = std::tan(M_PI / 8) * (1 - RAND);
  hoch = quer * bildhoehe / bildbreite;
}

struct Kugel {
  Vektor3d p;
  double r;
};

std::vector<Kugel> kugeln() {
  std::vector<Kugel> k;
  for (int i = 0; i < anz_atome; i++)
    if (atomliste[i].ra != 0 && !isepaar(i)) k.push_back({atomliste[i].p, kugelskal * atomliste[i].ra});
  return k;
}

// The least distance from the camera to the point looked at from which the ball of radius r
// at q (relative to that point, in the view's axes) lies inside the window.
double abstand_fuer(Vektor3d q, double r) {
  double quer, hoch;
  tangenten(quer, hoch);
  auto seite = [r](double aussen, double t) { return (aussen + r * std::sqrt(1 + t * t)) / t; };
  double d = std::max(seite(std::fabs(q.x), quer), seite(std::fabs(q.y), hoch));
  return std::max(d, r + NAH) - q.z - 1;
}

Vektor3d im_blick(const Achsen& a, Vektor3d p) {
  return Vektor3d(Vektor3dprodukt(p, a.rechts), Vektor3dprodukt(p, a.oben), Vektor3dprodukt(p, a.vorn));
}

}  // namespace

bool alles_im_bild(const Blick& b) {
  Achsen a = achsen(b);
  double entfernung = abs(b.cent - b.eye) * (1 + 1e-9);
  std::vector<Kugel> k = kugeln();
  return std::none_of(k.begin(), k.end(), [&](const Kugel& x) {
    return abstand_fuer(im_blick(a, x.p - b.cent), 0) > entfernung || abs(x.p - b.eye) + x.r + 1 >= fernebene();
  });
}

Blick eingepasst(const Blick& b) {
  std::vector<Kugel> k = kugeln();
  if (k.empty()) return b;
  Achsen a = achsen(b);
  Vektor3d min = im_blick(a, k[0].p), max = min;
  for (const Kugel& x : k) {
    Vektor3d q = im_blick(a, x.p);
    min = Vektor3d(std::min(min.x, q.x - x.r), std::min(min.y, q.y - x.r), std::min(min.z, q.z - x.r));
    max = Vektor3d(std::max(max.x, q.x + x.r), std::max(max.y, q.y + x.r), std::max(max.z, q.z + x.r));
  }
  Vektor3d mitte = (min + max) * 0.5;
  Vektor3d ziel = a.rechts * mitte.x + a.oben * mitte.y + a.vorn * mitte.z;
  double d = 0;
  for (const Kugel& x : k) d = std::max(d, abstand_fuer(im_blick(a, x.p - ziel), x.r));
  return {ziel - a.vorn * d, ziel, a.oben};
}

void ansicht_einpassen() {
  startansicht = alles_im_bild(startkamera) ? startkamera : eingepasst(startkamera);
  zoomgrenze = std::max(100.0, 2 * abs(startansicht.eye - startansicht.cent));
  Blick jetzt = {eye, cent, up};
  if (alles_im_bild(jetzt)) return;
  jetzt = eingepasst(jetzt);
  eye = jetzt.eye;
  cent = jetzt.cent;
  up = jetzt.up;
}

double fernebene() { return 2 * zoomgrenze; }
