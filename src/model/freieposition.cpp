// The free place beside an atom: two candidates from the directions of its bonds, and the one
// less crowded by other atoms.
#include "model/freieposition.h"

#include <cmath>
#include <cstdio>

#include "geometry/quaternion.h"
#include "model/tabellen.h"

namespace {

constexpr double dd = 0.001;  // shorter directions count as none

// Nudges the smallest component, so that v is no longer parallel to the vector it was copied from.
Vektor3d schubsen(Vektor3d v) {
  if (v.x < v.y && v.x < v.z)
    v.x += 0.01;
  else if (v.y < v.x && v.y < v.z)
    v.y += 0.01;
  else
    v.z += 0.01;
  return v;
}

// The positions of up to 8 atoms bonded to anr1, in bond order; their number.
int nachbarn(int anr1, Vektor3d p1[8]) {
  int n = 0;
  for (int i = 0; i < anz_bonds && n < 8; i++)
    if (int k = bondliste[i].partner(anr1); k >= 0) p1[n++] = atomliste[k].p;
  return n;
}

// The closest approach of any atom but anr1 to p, in units of that atom's radius; 2 at most.
double naechster(int anr1, Vektor3d p) {
  double minabst = 2.0;
  for (int i = 0; i < anz_atome; i++) {
    double abst = abs(p - atomliste[i].p) / atomliste[i].ra;
    if (i != anr1 && abst < minabst) minabst = abst;
  }
  return minabst;
}

// The two candidates beside p0 for n neighbours at p1 (n >= 1), at distance radius1.
void kandidaten(Vektor3d p0, const Vektor3d p1[8], int n, double radius1, Vektor3d& pneu, Vektor3d& pneu2) {
  Vektor3d e1 = einheit(p1[0] - p0), e2 = n >= 2 ? einheit(p1[1] - p0) : e1, p;
  if (n == 1) {
    pneu2 = p0 - radius1 * e1;
    Quaternion q;
    pneu = p0 + radius1 * q.vektordrehen(e1, vektorkreuzprodukt(e1, schubsen(e1)), 2 * M_PI / 3);
    return;
  }
  if (n == 2) {
    p = e1 + e2;
    if (abs(p) <= dd) p = schubsen(e1) + e2;
    pneu = p0 - radius1 * einheit(p);
    pneu2 = p0 - radius1 * einheit(vektorkreuzprodukt(e2, pneu - p0));
    return;
  }
  p = e1;
  for (int k = 1; k < n; k++) p += e2 = einheit(p1[k] - p0);
  if (abs(p) <= dd) {
    if (abs(e1 + e2) <= dd) e2 = einheit(p1[2] - p0);
    p = vektorkreuzprodukt(e1, e2);
  }
  p = radius1 * einheit(p);
  pneu = p0 - p;
  pneu2 = p0 + p;
}

}  // namespace

Vektor3d freieposition(int anr1) {
  Vektor3d p0 = atomliste[anr1].p, p1[8];
  double radius1 = 1.5 * atomliste[anr1].ra;
  int n = nachbarn(anr1, p1);
  if (n == 0) return p0 + Vektor3d(radius1, 0, 0);
  Vektor3d pneu, pneu2;
  kandidaten(p0, p1, n, radius1, pneu, pneu2);
  if (naechster(anr1, pneu2) > naechster(anr1, pneu)) {
    std::puts("pneu2 ist Variante mit weniger Konflikt");
    return pneu2;
  }
  return pneu;
}
