// The atom, bond and molecule tables: records, per-element defaults and the selection.
#include "model/tabellen.h"

#include <cstdio>
#include <cstring>

#include "geometry/quaternion.h"

Atomlist atomliste[MAX_ATOME];
int anz_atome = 0;
Bondlist bondliste[MAX_BONDS];
int anz_bonds = 0;
Molekuel molekuel[MAX_MOLEKUELE];
int anz_molek = 0;
int selectlist[MAX_SELECT];
int nsel = 0;
std::mutex tabellen_sperre;

namespace {

struct Elementfarbe {
  const char* name;
  int kz;
  double ra;
  unsigned char r, g, b;
};

// Drawing radius, colour and electron-pair places of the elements quil knows by sight.
const Elementfarbe elementfarben[] = {
    {"B", 3, 0.795, 140, 140, 140}, {"C", 4, 0.772, 50, 50, 50},     {"D", 1, 0.35, 200, 200, 150},
    {"F", 1, 0.709, 204, 255, 127}, {"H", 1, 0.373, 200, 200, 200},  {"I", 1, 1.331, 127, 255, 255},
    {"J", 1, 1.331, 127, 255, 255}, {"K", 1, 2.03, 154, 154, 154},   {"N", 4, 0.549, 50, 50, 255},
    {"O", 4, 0.604, 255, 0, 0},     {"P", 5, 1.105, 255, 0, 255},    {"S", 6, 1.035, 255, 255, 0},
    {"e", 1, 0.25, 190, 190, 255},  {"Na", 1, 1.858, 154, 154, 154}, {"Cl", 1, 0.994, 0, 255, 0},
    {"Br", 1, 1.145, 179, 179, 0},  {"Ni", 2, 1.24, 154, 154, 154},  {"Li", 1, 1.52, 154, 154, 154},
    {"Mg", 2, 1.6, 154, 154, 154},  {"Ca", 2, 1.97, 154, 154, 154},  {"Fe", 3, 1.37, 154, 154, 154},
    {"Cu", 2, 1.32, 142, 64, 42},   {"Si", 4, 1.17, 154, 154, 174},
};

const Elementfarbe* elementfarbe(const char* name) {
  for (const Elementfarbe& e : elementfarben)
    if (std::strcmp(e.name, name) == 0) return &e;
  return nullptr;
}

}  // namespace

Atomlist::Atomlist()
    : name{}, p(), ra(0), r(0), g(0), b(0), molekuelnr(0), selectflag(0), tmpflag(0), flags(0), kz(0), nep(0) {}

void Atomlist::set(const char* nam, const Vektor3d& v, int m) {
  tmpflag = 0;
  selectflag = 0;
  molekuelnr = m;
  p = v;
  std::size_t n = 0;
  for (; n + 1 < sizeof name && nam[n]; n++) name[n] = nam[n];
  name[n] = '\0';
  ra = 1.0;
  r = g = b = 127;
  kz = 1;
  const Elementfarbe* e = elementfarbe(name);
  if (e) {
    kz = e->kz;
    ra = e->ra;
    r = e->r;
    g = e->g;
    b = e->b;
  } else if (std::strlen(name) == 1) {
    std::printf("unbekanntes Atom '%c'\n", name[0]);
  } else {
    std::printf("Werte von Atom '%s' auf Default gesetzt\n", name);
  }
}

void Atomlist::select(int i) {
  if (selectflag) {
    for (int k = 0; k < nsel; k++) {
      if (selectlist[k] != i) continue;
      for (; k + 1 < nsel; k++) selectlist[k] = selectlist[k + 1];
      nsel--;
      break;
    }
    selectflag = 0;
  } else if (nsel == MAX_SELECT) {
    std::printf("es koennen maximal %d Atome selektiert werden\n", MAX_SELECT);
  } else {
    selectlist[nsel++] = i;
    selectflag = 1;
  }
}

Bondlist::Bondlist() : molekuelnr(0), n1(0), n2(0), strong(0) {}

void Bondlist::set(int a, int b, float c, int m) {
  n1 = a;
  n2 = b;
  strong = c == 0 ? 1 : c;
  molekuelnr = m;
}

Molekuel::Molekuel() : atom(nullptr), bond(nullptr), natoms(0), nbonds(0), nr(0), ia(0), maxatoms(0), maxbonds(0) {}

void Molekuel::init(int m, int maxa, int maxb) {
  nr = m;
  ia = anz_atome;
  atom = &atomliste[anz_atome];
  bond = &bondliste[anz_bonds];
  anz_atome += maxa;
  anz_bonds += maxb;
  natoms = nbonds = 0;
  maxatoms = maxa;
  maxbonds = maxb;
}

void Molekuel::addatom(const char* nam, const Vektor3d& v) {
  if (natoms >= maxatoms) {
    std::printf("Fehler: zu viele Atome in Melekuel %d\n", nr);
    return;
  }
  atom[natoms++].set(nam, v, nr);
}

void Molekuel::addbond(int a, int b, float c) {
  if (nbonds >= maxbonds) {
    std::printf("Fehler: zu viele Bindungen in Melekuel %d\n", nr);
    return;
  }
  bond[nbonds++].set(a, b, c, nr);
}

void Molekuel::schieben(Vektor3d v) {
  for (int i = 0; i < natoms; i++) atom[i].p -= v;
}

void Molekuel::drehen(int achse, int richtung, Vektor3d eye, Vektor3d cent, Vektor3d up) {
  const double grad = M_PI / 180;
  Vektor3d sicht = eye - cent;
  Quaternion q;
  if (achse == 0)
    q.drehung_definieren(vektorkreuzprodukt(sicht, up), richtung * grad);
  else if (achse == 1)
    q.drehung_definieren(up, -richtung * grad);
  else
    q.drehung_definieren(sicht, -richtung * grad);
  for (int i = 0; i < natoms; i++) atom[i].p = cent + q.vektordrehen(atom[i].p - cent);
}

void Molekuel::rest_freigeben() {
  anz_atome = ia + natoms;
  anz_bonds = static_cast<int>(bond - bondliste) + nbonds;
  maxatoms = natoms;
  maxbonds = nbonds;
  if (natoms == 0) anz_molek--;
}

bool isepaar(int anr) { return atomliste[anr].name[0] == 'e'; }

int bindung_suchen(int a, int b) {
  int i = 0;
  while (i < anz_bonds && !bondliste[i].verbindet(a, b)) i++;
  return i;
}

void auswahl_aufheben() {
  for (int i = 0; i < anz_atome; i++) atomliste[i].selectflag = 0;
  nsel = 0;
}
