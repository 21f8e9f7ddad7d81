// Bond angles and dihedrals: measuring, the dialog, and the turn of the atoms behind the angle.
#include "edit/winkel.h"

#include <cmath>
#include <cstdio>
#include <mutex>

#include "geometry/quaternion.h"
#include "io/zeilen.h"
#include "model/nachschieben.h"
#include "model/undoliste.h"
#include "model/zustand.h"
#include "ui/dialoge.h"
#include "ui/menu.h"

namespace {

using Sperre = std::lock_guard<std::mutex>;

constexpr double GRAD = 0.017453292519943295;  // radians per degree

// A cross product this small against its factors gives no direction to turn about.
bool richtung_bestimmt(Vektor3d kreuz, Vektor3d u, Vektor3d v) { return abs(kreuz) > 1e-10 * abs(u) * abs(v); }

struct Winkelwahl {
  int n;     // 3: bond angle at a[1]; 4: dihedral about a[1]-a[2]
  int a[4];  // the selected atoms in selection order
};

struct Drehung {
  double winkel;  // degrees
  Vektor3d drehpunkt, drehachse;
};

// The angle and its axis; false when the atoms lie on one line or at one place.
bool winkel_messen(const Winkelwahl& w, Drehung& d) {
  Vektor3d p1 = atomliste[w.a[0]].p, p2 = atomliste[w.a[1]].p, p3 = atomliste[w.a[2]].p;
  d.drehpunkt = p2;
  if (w.n == 3) {
    Vektor3d v1 = p1 - p2, v2 = p3 - p2;
    d.drehachse = vektorkreuzprodukt(v1, v2);
    d.winkel = vektorwinkel2(v1, v2) / GRAD;
    return richtung_bestimmt(d.drehachse, v1, v2);
  }
  Vektor3d p4 = atomliste[w.a[3]].p;
  d.drehachse = p3 - p2;
  d.winkel = diederwinkel(&atomliste[w.a[0]], &atomliste[w.a[1]], &atomliste[w.a[2]], &atomliste[w.a[3]]) / GRAD;
  return richtung_bestimmt(vektorkreuzprodukt(p3 - p2, p1 - p2), p3 - p2, p1 - p2) &&
         richtung_bestimmt(vektorkreuzprodukt(p4 - p3, p2 - p3), p4 - p3, p2 - p3);
}

void titel_schreiben(const Winkelwahl& w, char* titel, int laenge) {
  const Atomlist* a = atomliste;
  if (w.n == 3)
    std::snprintf(titel, laenge, "Winkel %d-%d-%d (%s-%s-%s)", w.a[0], w.a[1], w.a[2], a[w.a[0]].name, a[w.a[1]].name,
                  a[w.a[2]].name);
  else
    std::snprintf(titel, laenge, "Diederwinkel %d-%d-%d-%d (%s-%s-%s-%s)", w.a[0], w.a[1], w.a[2], w.a[3],
                  a[w.a[0]].name, a[w.a[1]].name, a[w.a[2]].name, a[w.a[3]].name);
}

void atom_drehen(int i, Vektor3d drehpunkt, const Quaternion& q) {
  atomliste[i].p = drehpunkt + q.vektordrehen(atomliste[i].p - drehpunkt);
}

// Turns the atoms behind the angle to the new value and writes the undo record. Lock held.
void winkel_setzen(const Winkelwahl& w, const Drehung& d, double winkel, bool nachschieben, int nachschiebnr) {
  bool dieder = w.n == 4;
  double abstand = (winkel - d.winkel) * GRAD;
  if (dieder) abstand *= drehsinn(w.a, d.drehpunkt, d.drehachse, 1.0);
  Undo& u = undoliste[undo_add(3, w.a[dieder ? 2 : 1])];
  u.i0 = w.a[0];
  u.i1 = w.a[dieder ? 1 : 0];
  u.i3 = w.a[w.n - 1];
  u.flag = nachschieben ? (dieder ? 2 : 1) : 0;
  u.nachschiebnr = nachschiebnr;
  u.vektor = d.drehpunkt;
  u.drehachse = d.drehachse;
  u.abstand = abstand;
  Quaternion q;
  q.drehung_definieren(d.drehachse, abstand);
  if (!nachschieben) return atom_drehen(u.i3, d.drehpunkt, q);
  hinter_sperren_drehen(nachschiebnr, d.drehpunkt, q, w.a, w.n - 1);
}

struct Winkeldialog {
  double winkel;
  char antw[80];
  int nachschiebnr;
};

// After the dialog: measures again and turns; the message to show, or null. Lock held.
const char* winkel_uebernehmen(const Winkelwahl& w, const Winkeldialog& e) {
  if (!std::isfinite(e.winkel)) return "ungueltiger Winkel\nnichts veraendert";
  if (e.nachschiebnr < 0 || e.nachschiebnr >= anz_atome) return "falsche Atom-Nummer (ab Atom)\nnichts veraendert";
  Drehung d;
  if (!winkel_messen(w, d)) return "Atome auf einer Linie oder am selben Ort:\nWinkel nicht aenderbar";
  bool nachschieben = e.antw[0] != 'n' && e.antw[0] != 'N';
  if (w.n == 4) std::printf("Diederwinkel aendern von %f nach %f\n", d.winkel, e.winkel);
  winkel_setzen(w, d, e.winkel, nachschieben, e.nachschiebnr);
  return nullptr;
}

}  // namespace

double diederwinkel(Atomlist* p1, Atomlist* p2, Atomlist* p3, Atomlist* p4) {
  Vektor3d a = p1->p, b = p2->p, c = p3->p, d = p4->p;
  return vektorwinkel2(vektorkreuzprodukt(c - b, a - b), vektorkreuzprodukt(d - c, b - c));
}

int drehsinn(const int a[4], Vektor3d drehpunkt, Vektor3d drehachse, double schritt) {
  Atomlist &a4 = atomliste[a[3]], *p = atomliste;
  double d = diederwinkel(&p[a[0]], &p[a[1]], &p[a[2]], &a4) / GRAD;
  double wtest = (d < schritt ? d : d > 180 - schritt ? 180 - d : schritt) * GRAD;
  if (!std::isfinite(wtest)) return 1;
  Vektor3d alt = a4.p;
  Quaternion t;
  t.drehung_definieren(drehachse, wtest);
  atom_drehen(a[3], drehpunkt, t);
  double wneu = diederwinkel(&p[a[0]], &p[a[1]], &p[a[2]], &a4);
  a4.p = alt;
  return fastgleichd(wneu, d * GRAD + wtest, 1.7453292519943296e-05) ? 1 : -1;
}

void m_winkel(long id) {
  if (id == 0) {
    menu.run(m_winkel);
    return;
  }
  Winkelwahl w{0, {}};
  Winkeldialog e{0, "ja", 0};
  char titel[80];
  bool bestimmt;
  {
    Sperre sperre(tabellen_sperre);
    if (nsel < 3 || nsel > 4) return;
    w.n = nsel;
    for (int k = 0; k < w.n; k++) w.a[k] = selectlist[k];
    Drehung d;
    bestimmt = winkel_messen(w, d);
    e.winkel = d.winkel;
    e.nachschiebnr = w.a[w.n - 2];
    titel_schreiben(w, titel, sizeof titel);
  }
  if (!bestimmt) {
    janeinrequester("Atome auf einer Linie oder am selben Ort:\nWinkel nicht aenderbar", "ok", nullptr);
    return;
  }
  double vorher = e.winkel;
  if (requester_input(3, titel, "%f", "%lf\n", &e.winkel, "nachschieben?", "%s", "%s", e.antw, "ab Atom", "%d", "%d",
                      &e.nachschiebnr) != 1 ||
      e.winkel == vorher)
    return;
  const char* meldung;
  {
    Sperre sperre(tabellen_sperre);
    meldung = winkel_uebernehmen(w, e);
  }
  if (meldung) janeinrequester(meldung, "ok", nullptr);
}

void m_molek_rot(long id) {
  if (id == 0) {
    menu.run(m_molek_rot);
    return;
  }
  static char txt[80];
  int nr = 0, anzahl;
  {
    Sperre sperre(tabellen_sperre);
    if (nsel > 0) nr = atomliste[selectlist[0]].molekuelnr;
    anzahl = anz_molek;
  }
  std::snprintf(txt, sizeof txt, "Molekuel-Nr: (0 - %d): ", anzahl - 1);
  if (requester_input(1, txt, "%d", "%d", &nr) != 1) {
    edit_modus = 0;
    janeinrequester("Abbruch - Editmodus off\n", "ok", nullptr);
  } else if (nr >= 0 && nr < anzahl) {
    Sperre sperre(tabellen_sperre);
    aktives_molekuel = nr;
    edit_modus = 1;
  } else {
    edit_modus = 0;
    myprintd(" falsche Molekuel-Nr (%d)\n Editmodus off\n", nr);
  }
}
