// Angle mode: half-degree turns of the atoms behind the selected angle, per step of a drag.
#include "view/winkelmaus.h"

#include <cmath>
#include <cstdlib>
#include <mutex>

#include "edit/winkel.h"
#include "model/nachschieben.h"
#include "model/tabellen.h"
#include "model/undoliste.h"
#include "model/zustand.h"

namespace {

constexpr double SCHRITT = M_PI / 360;

// What one of the two operations keeps from step to step of a drag.
struct Zug {
  double winkel = 0;        // the angle as tracked through the drag
  double winkelvorher = 0;  // at its start
  int richtung = 1;
  int u = -1;  // its undo record
};

// Half a degree, signed by the component the mouse moved most (a tie goes to y) and the direction.
double schritt(Intvektor ip, int richtung) {
  int m = std::abs(ip.x) > std::abs(ip.y) ? ip.x : ip.y;
  return (m < 0) == (richtung < 0) ? SCHRITT : -SCHRITT;
}

// The undo record of a new drag that turns the atoms from start about achse through drehpunkt.
int aufzeichnen(int nr, int typflag, const int* a, int start, Vektor3d drehpunkt, Vektor3d achse) {
  int r = undo_add(3, nr);
  Undo& u = undoliste[r];
  u.i0 = a[0];
  u.i1 = typflag == 1 ? a[0] : a[1];
  u.i3 = a[typflag == 1 ? 2 : 3];
  u.flag = typflag;
  u.nachschiebnr = start;
  u.vektor = drehpunkt;
  u.drehachse = achse;
  u.abstand = 0;
  return r;
}

// Turns by dw about achse through drehpunkt everything from start that the barrier atoms do not
// shut off, and adds the turn to the drag's record. An axis of length 0 (the atoms on a line)
// takes the axis of the drag's first step, which stays perpendicular to the plane of the turns;
// the record holds the whole turn about that first axis, so that undo puts the atoms back also
// after the angle swung through 180 degrees.
void drehen(const Zug& z, const int* sperren, int n, int start, Vektor3d drehpunkt, Vektor3d achse, double dw) {
  bool gebucht = z.u >= 0 && z.u < undo_anz;
  Vektor3d erste = gebucht ? undoliste[z.u].drehachse : achse;
  if (abs(achse) == 0) achse = erste;
  if (abs(achse) == 0) return;
  Quaternion q;
  q.drehung_definieren(achse, dw);
  hinter_sperren_drehen(start, drehpunkt, q, sperren, n);
  if (gebucht) undoliste[z.u].abstand += Vektor3dprodukt(achse, erste) < 0 ? -dw : dw;
}

Zug winkelzug, diederzug;

}  // namespace

void winkelmaus_taste(int modus) { winkelmausflag = nsel > 2 ? modus : 0; }

void winkelmaus_schritt(Intvektor d, int knopf, bool erster) {
  Intvektor ip(d.x, -d.y);
  if (knopf == 1) ip = -ip;
  std::lock_guard<std::mutex> sperre(tabellen_sperre);
  if (nsel == 3)
    winkel_aendern(ip, erster);
  else if (nsel == 4)
    diederwinkel_aendern(ip, erster);
  else
    winkelmausflag = 0;
}

void winkel_aendern(Intvektor ip, bool erster) {
  Zug& z = winkelzug;
  const int* a = selectlist;
  int start = winkelmausflag == 2 ? a[1] : a[2];
  Vektor3d r1 = atomliste[a[0]].p - atomliste[a[1]].p, r3 = atomliste[a[2]].p - atomliste[a[1]].p;
  Vektor3d drehpunkt = atomliste[a[1]].p, achse = vektorkreuzprodukt(r1, r3);
  if (erster) {
    z.winkel = z.winkelvorher = vektorwinkel2(r1, r3);
    z.richtung = 1;
    z.u = aufzeichnen(a[1], 1, a, start, drehpunkt, achse);
  }
  double dw = schritt(ip, z.richtung);
  if (z.winkel + dw < M_PI / 6)
    dw = M_PI / 6 - z.winkel;
  else if (z.winkel + dw > M_PI)
    z.richtung = -z.richtung;
  if (dw == 0) return;
  drehen(z, a, 2, start, drehpunkt, achse, dw);
  z.winkel += dw;
}

void diederwinkel_aendern(Intvektor ip, bool erster) {
  Zug& z = diederzug;
  const int* a = selectlist;
  int start = winkelmausflag == 2 ? a[2] : a[3];
  Vektor3d drehpunkt = atomliste[a[1]].p, achse = atomliste[a[2]].p - drehpunkt;
  if (erster) {
    z.winkel = z.winkelvorher = diederwinkel(&atomliste[a[0]], &atomliste[a[1]], &atomliste[a[2]], &atomliste[a[3]]);
    z.u = aufzeichnen(a[2], 2, a, start, drehpunkt, achse);
    z.richtung = drehsinn(a, drehpunkt, achse, 0.5);
  }
  double dw = schritt(ip, z.richtung);
  drehen(z, a, 3, start, drehpunkt, achse, dw);
  z.winkel += dw;
}
