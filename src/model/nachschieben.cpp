// Moving the rest of a molecule: a depth-first walk over the bond table with an explicit stack.
#include "model/nachschieben.h"

#include "model/tabellen.h"

namespace {

struct Schritt {
  int atom;
  int naechste_bindung;  // where the scan of this atom's bonds goes on
};

// The other end of bond i when it belongs to molecule mnr, touches atom j and leads to an
// unmarked atom of the same molecule; -1 otherwise.
int weiter_zu(int i, int j, int mnr) {
  const Bondlist& b = bondliste[i];
  if (b.molekuelnr != mnr || (b.n1 != j && b.n2 != j)) return -1;
  int k = b.n1 == j ? b.n2 : b.n1;
  if (k < 0 || k >= anz_atome) return -1;
  const Atomlist& a = atomliste[k];
  return a.tmpflag == 0 && a.molekuelnr == mnr ? k : -1;
}

// Visits atoms in the order of a recursion over the bonds in table order, moving each once.
template <class Bewegung>
void nachschieben(int j, bool startflag, Bewegung bewegen) {
  if (j < 0 || j >= anz_atome) return;
  int mnr = atomliste[j].molekuelnr;
  if (atomliste[j].tmpflag) {
    startflag = true;
  } else {
    bewegen(atomliste[j].p);
    atomliste[j].tmpflag = 1;
  }
  Schritt stapel[MAX_ATOME];  // every atom enters at most once
  int tiefe = 0;
  stapel[tiefe++] = {j, 0};
  while (tiefe > 0) {
    Schritt& s = stapel[tiefe - 1];
    int k = -1;
    while (k < 0 && s.naechste_bindung < anz_bonds) k = weiter_zu(s.naechste_bindung++, s.atom, mnr);
    if (k < 0) {
      tiefe--;
      continue;
    }
    bewegen(atomliste[k].p);
    atomliste[k].tmpflag = 1;
    stapel[tiefe++] = {k, 0};
  }
  if (startflag)
    for (int i = 0; i < anz_atome; i++) atomliste[i].tmpflag = 0;
}

}  // namespace

void atome_nachschieben(int j, Vektor3d p1, bool startflag) {
  nachschieben(j, startflag, [&](Vektor3d& p) { p += p1; });
}

void atome_nachschieben(int j, Vektor3d drehpunkt, Quaternion q, bool startflag) {
  nachschieben(j, startflag, [&](Vektor3d& p) { p = q.vektordrehen(p - drehpunkt) + drehpunkt; });
}
