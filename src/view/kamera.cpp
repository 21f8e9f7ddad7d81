// The camera: turns with quaternions about cent, zoom along the line of sight, shifts.
#include "view/kamera.h"

#include <mutex>

#include "geometry/quaternion.h"
#include "model/tabellen.h"
#include "model/zustand.h"
#include "view/einpassen.h"

Vektor3d eye(0, 0, 10), cent(0, 0, 0), up(0, 1, 0);
double DX = 12.0 / 1200, DY = 9.0 / 900;

namespace {

const double grad = M_PI / 180;

bool molekuel_modus() { return edit_modus == 1 && aktives_molekuel >= 0 && aktives_molekuel < anz_molek; }

}  // namespace

void kamera_reset() {
  eye = startansicht.eye;
  cent = startansicht.cent;
  up = startansicht.up;
}

void kamera_drehen(int achse, int richtung) {
  if (edit_modus == 1) {
    std::lock_guard<std::mutex> sperre(tabellen_sperre);
    if (molekuel_modus()) molekuel[aktives_molekuel].drehen(achse, richtung, eye, cent, up);
    return;
  }
  Vektor3d p = eye - cent;
  Quaternion q;
  if (achse == 0) {
    p = q.vektordrehen(p, vektorkreuzprodukt(p, up), -richtung * grad);
    up = q.vektordrehen(up);
  } else if (achse == 1) {
    p = q.vektordrehen(p, up, richtung * grad);
  } else if (achse == 2) {
    up = q.vektordrehen(up, p, richtung * grad);
  }
  eye = cent + p;
}

void kamera_zoomen(int knopf) {
  Vektor3d d = eye - cent;
  double l = abs(d);
  if (knopf == 3 && l >= 1)
    eye = cent + d * ((l - 0.5) / l);
  else if (knopf == 4 && l < zoomgrenze)
    eye = cent + d * ((l + 0.5) / l);
}

void szene_schieben(Vektor3d k) {
  if (edit_modus == 1) {
    std::lock_guard<std::mutex> sperre(tabellen_sperre);
    if (molekuel_modus()) molekuel[aktives_molekuel].schieben(k);
    return;
  }
  eye += k;
  cent += k;
}
