// The shake relaxation. Each pivot turns its neighbours, with everything hanging on them, about
// itself; the walks go over a Bindungsnetz knotted once per step instead of scanning the bond
// table for every atom they reach.
#include "relax/shake.h"

#include <cmath>
#include <cstdio>
#include <mutex>
#include <utility>

#include "model/aendern.h"
#include "model/freieposition.h"
#include "model/nachschieben.h"
#include "model/tabellen.h"

std::atomic<int> shakeflag{0};
int shakecnt = 0;
int shakelist[4];
int j_shake = 0;

namespace {

constexpr int MAX_NACHBARN = 8, MAX_EPAARE = 6;

Bindungsnetz netz;  // the bonds the relaxation walks; used under the table lock only

// The neighbours of a pivot: up to 8 atoms bonded to it (first found in the bond table first),
// with the lone pairs it gets; then the turns computed from their positions.
struct Stern {
  int anr;
  int k = 0;
  int alist[MAX_NACHBARN + MAX_EPAARE];
  double dalfa[MAX_NACHBARN + MAX_EPAARE];
  Vektor3d achse[MAX_NACHBARN + MAX_EPAARE];
};

// Collects the neighbours; the sum of the orders of their bonds.
float nachbarn_sammeln(Stern& s) {
  float bnr = 0;
  for (int e = netz.anfang[s.anr]; e < netz.anfang[s.anr + 1] && s.k < MAX_NACHBARN; e++) {
    const Bondlist& b = bondliste[netz.bindung[e]];
    s.alist[s.k++] = b.partner(s.anr);
    bnr += b.strong;
  }
  if (s.k == MAX_NACHBARN) std::printf("Fehler in shake_atom(): k=%d\n", s.k);
  return bnr;
}

bool voll_gemeldet = false;  // the full bond table reported in this run of the relaxation

// The bond table is full, so that no lone pair can be added (one without its bond would be of no
// use); said once per run of the relaxation.
bool bindungen_voll() {
  if (anz_bonds < MAX_BONDS) return false;
  if (!std::exchange(voll_gemeldet, true)) std::puts("Fehler in shake_atom(): zu viele Bindungen");
  return true;
}

// Adds the lone pairs the atom lacks, at its radius in free directions, as far as both tables have
// room; true when the tables changed.
bool epaare_anlegen(Stern& s, float bnr) {
  Atomlist& a = atomliste[s.anr];
  int enr = a.kz - static_cast<int>(bnr + 0.5);
  if (enr > MAX_EPAARE) std::printf("Fehler enr=%d zu gross, auf 6 begrenzt\n", enr);
  enr = enr < 0 ? 0 : enr > MAX_EPAARE ? MAX_EPAARE : enr;
  if (enr == 0 || anz_atome == MAX_ATOME || bindungen_voll()) return false;
  if (a.nep != 0) std::printf("Fehler: a[anr].nep=%d\n", a.nep);
  a.nep = enr;
  Vektor3d p0 = a.p;
  int mnr = a.molekuelnr;
  for (int n = 0; n < enr && anz_atome < MAX_ATOME && !bindungen_voll(); n++) {
    int e = atom_einfuegen(mnr, "e", p0 + einheit(freieposition(s.anr) - p0) * atomliste[s.anr].ra);
    for (int i = 0; i < s.k; i++) s.alist[i] += s.alist[i] >= e;
    for (int i = 0; i < j_shake; i++) shakelist[i] += shakelist[i] >= e;
    Bondlist b;
    b.set(s.anr, e, 1.0f, mnr);
    bindung_anhaengen(b);
    s.alist[s.k++] = e;
  }
  return true;
}

// The turn of neighbour i away from the others, from the positions before any turn.
void drehung_berechnen(Stern& s, int i, double faktor) {
  Vektor3d p0 = atomliste[s.anr].p, e1 = einheit(atomliste[s.alist[i]].p - p0), kraftvektor;
  s.dalfa[i] = 0;
  if (!std::isfinite(abs(e1))) return;
  for (int j = 0; j < s.k; j++) {
    if (j == i) continue;
    Vektor3d e2 = einheit(atomliste[s.alist[j]].p - p0), e3 = e2 - e1;
    double absq = absquadrat(e3);
    if (absq == 0) {
      std::puts("Fehler: division durch 0");  // the same direction: no way to push apart
      continue;
    }
    if (!std::isfinite(absq)) continue;
    kraftvektor += einheit(e3) * ((istwasserstoff(s.alist[j]) ? 1.0 : 1.2) / absq);
  }
  Vektor3d v1 = -e1, senkrecht = vektorkreuzprodukt(v1, kraftvektor);
  if (abs(kraftvektor) == 0 || abs(senkrecht) == 0) return;
  s.achse[i] = einheit(senkrecht);
  double alfa = vektorwinkel2(v1, kraftvektor - v1);
  if (std::isfinite(alfa)) s.dalfa[i] = alfa * faktor;
}

int pivot(bool& netz_aktuell, int anr) {
  if (isring(anr)) return 0;
  if (!netz_aktuell) netz.knuepfen(), netz_aktuell = true;
  Stern s;
  s.anr = anr;
  float bnr = nachbarn_sammeln(s);
  if (s.k <= 1) return 0;
  if (epaare_anlegen(s, bnr)) netz.knuepfen();
  double faktor = korrfakt(shakecnt);
  for (int i = 1; i < s.k; i++) drehung_berechnen(s, i, faktor);
  int turns = 0;
  Vektor3d p0 = atomliste[s.anr].p;
  for (int i = 1; i < s.k; i++) {
    if (std::fabs(s.dalfa[i]) <= 1e-5) continue;
    Quaternion q;
    q.drehung_definieren(s.achse[i], s.dalfa[i]);
    atomliste[s.alist[0]].tmpflag = atomliste[s.anr].tmpflag = 1;
    atome_drehen(netz, s.alist[i], p0, q);
    atomliste[s.alist[0]].tmpflag = atomliste[s.anr].tmpflag = 0;
    turns++;
  }
  return turns;
}

}  // namespace

double korrfakt(int cnt) {
  if (cnt <= 200) return 0.005;
  if (cnt <= 500) return 0.001;
  if (cnt <= 999) return 0.0001;
  return 0.01 / cnt;
}

int shake_atom(int anr) {
  bool netz_aktuell = false;
  return pivot(netz_aktuell, anr);
}

void shake_machen() {
  bool netz_aktuell = false;
  int summe = 0;
  if (j_shake <= 0)
    for (int i = 0; i < anz_atome; i++) summe += pivot(netz_aktuell, i);
  else
    for (int i = 0; i < j_shake; i++) summe += pivot(netz_aktuell, shakelist[i]);
  if (summe == 0) shakeflag = 0;
}

bool shake_bild() {
  if (!shakeflag) return false;
  {
    std::lock_guard<std::mutex> sperre(tabellen_sperre);  // m_shake sets the count under it
    shake_machen();
    shakecnt++;
  }
  if (!shakeflag) std::puts("shake fertig");
  return true;
}

void m_shake(long) {
  std::lock_guard<std::mutex> sperre(tabellen_sperre);
  ringe_markieren();
  j_shake = nsel > 0 ? nsel : 0;
  for (int i = 0; i < j_shake; i++) shakelist[i] = selectlist[i];
  shakecnt = 0;
  voll_gemeldet = false;
  shakeflag = 1;
}

void m_shake_off(long id) {
  std::printf("shake_off(%ld)\n", id);
  shakeflag = 0;
}

bool istwasserstoff(int anr) {
  const char* n = atomliste[anr].name;
  return (n[0] == 'H' || n[0] == 'D') && n[1] == '\0';
}

bool isring(int anr) { return atomliste[anr].flags & 1; }

namespace {

// A depth-first walk from k0 over the bond net, with an explicit stack; marks what it reaches with
// tmpflag. True when a bond leads back to k0 from an atom at least two bonds away.
bool ringsuche(int k0) {
  struct Schritt {
    int atom, tiefe, weiter;  // weiter: the next of its bonds to look at
  };
  Schritt stapel[MAX_ATOME];
  int n = 0;
  stapel[n++] = {k0, 0, netz.anfang[k0]};
  atomliste[k0].tmpflag = 1;
  while (n > 0) {
    Schritt& s = stapel[n - 1];
    if (s.weiter == netz.anfang[s.atom + 1]) {
      n--;
      continue;
    }
    int k = bondliste[netz.bindung[s.weiter++]].partner(s.atom);
    if (k == k0 && s.tiefe > 1) return true;
    if (k < 0 || k >= anz_atome || atomliste[k].tmpflag) continue;
    atomliste[k].tmpflag = 1;
    stapel[n] = {k, s.tiefe + 1, netz.anfang[k]};
    n++;
  }
  return false;
}

}  // namespace

void ringe_markieren() {
  netz.knuepfen();
  for (int i = 0; i < anz_atome; i++) {
    if (isring(i)) continue;
    for (int a = 0; a < anz_atome; a++) atomliste[a].tmpflag = 0;
    if (ringsuche(i)) atomliste[i].flags |= 1;
  }
  for (int a = 0; a < anz_atome; a++) atomliste[a].tmpflag = 0;
}
