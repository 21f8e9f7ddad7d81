// Moving the rest of a molecule: a walk over the bonds of each atom reached.
#include "model/nachschieben.h"

void Bindungsnetz::knuepfen() {
  int anzahl[MAX_ATOME + 1] = {};
  auto ende_da = [](int n) { return n >= 0 && n < anz_atome; };
  for (int i = 0; i < anz_bonds; i++)
    for (int n : {bondliste[i].n1, bondliste[i].n2})
      if (ende_da(n)) anzahl[n + 1]++;
  anfang[0] = 0;
  for (int a = 0; a < anz_atome; a++) anfang[a + 1] = anfang[a] + anzahl[a + 1];
  int frei[MAX_ATOME];
  for (int a = 0; a < anz_atome; a++) frei[a] = anfang[a];
  auto eintragen = [&](int a, int i, int k) {
    int m = bondliste[i].molekuelnr;
    bindung[frei[a]] = i;
    weiter[frei[a]++] = ende_da(k) && atomliste[a].molekuelnr == m && atomliste[k].molekuelnr == m ? k : -1;
  };
  for (int i = 0; i < anz_bonds; i++) {
    const Bondlist& b = bondliste[i];
    if (ende_da(b.n1)) eintragen(b.n1, i, b.n2);
    if (ende_da(b.n2) && b.n2 != b.n1) eintragen(b.n2, i, b.n1);
  }
}

namespace {

// Moves and marks every atom reachable from j, and j itself unless it is marked already; lists
// them, with j, in besucht and returns their number.
template <class Bewegung>
int durchlaufen(const Bindungsnetz& netz, int j, Bewegung bewegen, int* besucht) {
  if (!atomliste[j].tmpflag) bewegen(atomliste[j].p);
  atomliste[j].tmpflag = 1;
  besucht[0] = j;
  int n = 1;
  for (int gelesen = 0; gelesen < n; gelesen++) {
    int a = besucht[gelesen];
    for (int e = netz.anfang[a]; e < netz.anfang[a + 1]; e++)
      if (int k = netz.weiter[e]; k >= 0 && !atomliste[k].tmpflag) {
        bewegen(atomliste[k].p);
        atomliste[k].tmpflag = 1;
        besucht[n++] = k;
      }
  }
  return n;
}

template <class Bewegung>
void nachschieben(int j, bool startflag, Bewegung bewegen) {
  if (j < 0 || j >= anz_atome) return;
  if (atomliste[j].tmpflag) startflag = true;
  static Bindungsnetz netz;  // used under the table lock only
  int besucht[MAX_ATOME];
  netz.knuepfen();
  durchlaufen(netz, j, bewegen, besucht);
  if (startflag)
    for (int i = 0; i < anz_atome; i++) atomliste[i].tmpflag = 0;
}

}  // namespace

void atome_nachschieben(int j, Vektor3d p1, bool startflag) {
  nachschieben(j, startflag, [&](Vektor3d& p) { p += p1; });
}

void atome_nachschieben(int j, Vektor3d drehpunkt, Quaternion q, bool startflag) {
  Drehmatrix r = q.rotationsmatrix();
  nachschieben(j, startflag, [&](Vektor3d& p) { p = r.drehen(p - drehpunkt) + drehpunkt; });
}

void hinter_sperren_drehen(int j, Vektor3d drehpunkt, const Quaternion& q, const int* sperren, int n) {
  for (int k = 0; k < n; k++) atomliste[sperren[k]].tmpflag = 1;
  atome_nachschieben(j, drehpunkt, q, true);
}

void atome_drehen(const Bindungsnetz& netz, int j, Vektor3d drehpunkt, const Quaternion& q) {
  if (j < 0 || j >= anz_atome) return;
  Drehmatrix r = q.rotationsmatrix();
  int besucht[MAX_ATOME];
  int n = durchlaufen(
      netz, j, [&](Vektor3d& p) { p = r.drehen(p - drehpunkt) + drehpunkt; }, besucht);
  for (int i = 0; i < n; i++) atomliste[besucht[i]].tmpflag = 0;
}
