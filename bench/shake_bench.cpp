// Benchmark of the shake relaxation at the table limits: quil's step, which walks the bonds of
// each atom, against a straightforward step that scans the whole bond table for every pivot and
// every atom it moves; both from the same structure, with the same coordinates at the end. Also
// the turn of a whole molecule of 1000 atoms by atome_nachschieben against such a scan.
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <functional>

#include "model/nachschieben.h"
#include "model/tabellen.h"
#include "relax/shake.h"

namespace {

// A long chain of carbons, each with two hydrogens, every fourth with a hydroxy group instead of
// one of them, in a zigzag; then a molecule of 100 carbons joined to each other by all the bonds
// left (all of them ring atoms). The first shake step adds the lone pairs of the oxygens, which
// fills both tables.
void aufbauen() {
  anz_atome = anz_bonds = anz_molek = nsel = 0;
  const int kette = 240;  // 60 groups of 4 carbons: 15 atoms with the lone pairs, 900 in all
  Molekuel& m = molekuel[anz_molek++];
  m.init(0, kette * 15 / 4, kette * 15 / 4);
  for (int i = 0; i < kette; i++) {
    Vektor3d c(1.25 * i, i % 2 ? 0.45 : -0.45, 0), h1 = c + Vektor3d(0, 0, 1.09), h2 = c + Vektor3d(0, 0, -1.09);
    int a = m.ia + m.natoms;
    m.addatom("C", c);
    if (i > 0) m.addbond(a - (i % 4 == 1 ? 4 : 3), a, 1);
    m.addatom("H", h1), m.addbond(a, a + 1, 1);
    if (i % 4 == 0) {
      Vektor3d o = c + Vektor3d(0, -1.4, -0.3), ho = o + Vektor3d(0.9, -0.3, 0);
      m.addatom("O", o), m.addbond(a, a + 2, 1), m.addatom("H", ho), m.addbond(a + 2, a + 3, 1);
    } else {
      m.addatom("H", h2), m.addbond(a, a + 2, 1);
    }
  }
  m.rest_freigeben();
  int epaare = kette / 4 * 2;
  Molekuel& k = molekuel[anz_molek++];
  k.init(1, MAX_ATOME - anz_atome - epaare, MAX_BONDS - anz_bonds - epaare);
  for (int i = 0; i < k.maxatoms; i++) {
    Vektor3d p(10.0 * (i % 10), 30 + 10.0 * (i / 10), 0);
    k.addatom("C", p);
  }
  for (int n = 0; k.nbonds < k.maxbonds; n++) k.addbond(k.ia + n % 100, k.ia + (n * 7 + n / 100 + 1) % 100, 1);
  k.rest_freigeben();
}

// The walk as a recursion over the whole bond table for each atom it reaches.
void schieben_ref(int j, Vektor3d drehpunkt, const Quaternion& q, bool startflag) {
  int mnr = atomliste[j].molekuelnr;
  if (atomliste[j].tmpflag) {
    startflag = true;
  } else {
    atomliste[j].p = q.vektordrehen(atomliste[j].p - drehpunkt) + drehpunkt;
    atomliste[j].tmpflag = 1;
  }
  for (int i = 0; i < anz_bonds; i++) {
    const Bondlist& b = bondliste[i];
    if (b.molekuelnr != mnr || (b.n1 != j && b.n2 != j)) continue;
    int k = b.n1 == j ? b.n2 : b.n1;
    if (k >= 0 && k < anz_atome && !atomliste[k].tmpflag && atomliste[k].molekuelnr == mnr)
      schieben_ref(k, drehpunkt, q, false);
  }
  if (startflag)
    for (int i = 0; i < anz_atome; i++) atomliste[i].tmpflag = 0;
}

// One pivot as the relaxation describes it, for a structure whose lone pairs are all there.
int pivot_ref(int anr) {
  if (isring(anr)) return 0;
  int alist[14], k = 0;
  for (int i = 0; i < anz_bonds && k < 8; i++) {
    if (bondliste[i].n1 == anr)
      alist[k++] = bondliste[i].n2;
    else if (bondliste[i].n2 == anr)
      alist[k++] = bondliste[i].n1;
  }
  if (k <= 1) return 0;
  Vektor3d p0 = atomliste[anr].p, achse[14];
  double dalfa[14] = {};
  for (int i = 1; i < k; i++) {
    Vektor3d e1 = einheit(atomliste[alist[i]].p - p0), kraft;
    for (int j = 0; j < k; j++) {
      Vektor3d e3 = einheit(atomliste[alist[j]].p - p0) - e1;
      if (j != i && absquadrat(e3) > 0)
        kraft += einheit(e3) * ((istwasserstoff(alist[j]) ? 1.0 : 1.2) / absquadrat(e3));
    }
    Vektor3d v1 = -e1, senkrecht = vektorkreuzprodukt(v1, kraft);
    if (abs(kraft) == 0 || abs(senkrecht) == 0) continue;
    achse[i] = einheit(senkrecht);
    dalfa[i] = vektorwinkel2(v1, kraft - v1) * korrfakt(shakecnt);
  }
  int turns = 0;
  for (int i = 1; i < k; i++) {
    if (std::fabs(dalfa[i]) <= 1e-5) continue;
    Quaternion q;
    q.drehung_definieren(achse[i], dalfa[i]);
    atomliste[alist[0]].tmpflag = atomliste[anr].tmpflag = 1;
    schieben_ref(alist[i], p0, q, true);
    turns++;
  }
  return turns;
}

struct Stand {
  Atomlist atome[MAX_ATOME];
  Bondlist bindungen[MAX_BONDS];
  Molekuel molekuele[MAX_MOLEKUELE];
  int na, nb, nm;
  void merken() {
    std::memcpy(atome, atomliste, sizeof atome), std::memcpy(bindungen, bondliste, sizeof bindungen);
    std::memcpy(molekuele, molekuel, sizeof molekuele), na = anz_atome, nb = anz_bonds, nm = anz_molek;
  }
  void zurueck() const {
    std::memcpy(atomliste, atome, sizeof atome), std::memcpy(bondliste, bindungen, sizeof bindungen);
    std::memcpy(molekuel, molekuele, sizeof molekuele), anz_atome = na, anz_bonds = nb, anz_molek = nm;
  }
};
Stand anfang, quil;

// Microseconds per call of f, over n calls.
double messen(int n, const std::function<void()>& f) {
  auto t0 = std::chrono::steady_clock::now();
  for (int i = 0; i < n; i++) f();
  return std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - t0).count() / n;
}

double abweichung(const Stand& s) {
  double d = 0;
  for (int i = 0; i < anz_atome; i++) d = std::fmax(d, abs(atomliste[i].p - s.atome[i].p));
  return d;
}

}  // namespace

int main(int argc, char** argv) {
  int schritte = argc > 1 ? std::atoi(argv[1]) : 3;
  aufbauen();
  ringe_markieren();
  shake_machen();  // the lone pairs come
  std::printf("Struktur: %d Atome, %d Bindungen, %d Molekuele\n", anz_atome, anz_bonds, anz_molek);
  anfang.merken();
  shakecnt = 1;
  double t = messen(schritte, [] { shake_machen(); });
  quil.merken();
  anfang.zurueck();
  double r = messen(schritte, [] {
    for (int i = 0; i < anz_atome; i++) pivot_ref(i);
  });
  std::printf("shake-Schritt:      quil %10.0f us   Referenz %12.0f us   %6.0fx   Abweichung %.1e\n", t, r, r / t,
              abweichung(quil));
  Quaternion q;
  q.drehung_definieren(Vektor3d(0.3, 0.4, 0.5), 0.01);
  int ende = molekuel[0].natoms - 1;
  anfang.zurueck();
  t = messen(100, [&] { atome_nachschieben(ende, Vektor3d(), q, true); });
  quil.merken();
  anfang.zurueck();
  r = messen(100, [&] { schieben_ref(ende, Vektor3d(), q, true); });
  std::printf("atome_nachschieben: quil %10.1f us   Referenz %12.1f us   %6.0fx   Abweichung %.1e (%d Atome)\n", t, r,
              r / t, abweichung(quil), molekuel[0].natoms);
  return 0;
}
