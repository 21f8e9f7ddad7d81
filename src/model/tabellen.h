// The atom, bond and molecule tables: fixed-size globals that every part of quil reads and
// changes by atom and bond number, with the selection and the lock that guards them.
#pragma once

#include <mutex>

#include "geometry/vektor.h"

constexpr int MAX_ATOME = 1000;
constexpr int MAX_BONDS = 2000;
constexpr int MAX_MOLEKUELE = 10;
constexpr int MAX_SELECT = 4;

struct Atomlist {
  char name[4];
  Vektor3d p;
  double ra;
  unsigned char r, g, b;
  int molekuelnr;
  int selectflag;
  int tmpflag;  // scratch mark of one graph walk, 0 between walks
  int flags;    // bit 0: atom lies in a ring
  int kz;       // electron-pair places: bond partners plus lone pairs
  int nep;      // lone-pair pseudo-atoms attached

  Atomlist();
  void set(const char* nam, const Vektor3d& v, int m);  // element defaults; keeps flags and nep
  void select(int i);                                   // toggles atom i in the selection
};

struct Bondlist {
  int molekuelnr;
  int n1, n2;    // global atom numbers of the ends
  float strong;  // bond order

  Bondlist();
  void set(int a, int b, float c, int m);
  int partner(int a) const { return n1 == a ? n2 : n2 == a ? n1 : -1; }  // the other end, -1: a is none
  bool verbindet(int a, int b) const { return (n1 == a && n2 == b) || (n1 == b && n2 == a); }
};

struct Molekuel {
  Atomlist* atom;
  Bondlist* bond;
  int natoms;
  int nbonds;
  int nr;
  int ia;  // atom number of the first atom
  // The runs reserved by init; addatom and addbond never go past them.
  int maxatoms;
  int maxbonds;

  Molekuel();
  void init(int m, int maxa, int maxb);
  void addatom(const char* nam, const Vektor3d& v);
  void addbond(int a, int b, float c);
  void schieben(Vektor3d v);  // moves every atom by -v
  // Turns the molecule by richtung degrees about cent, the opposite way of the camera turn
  // kamera_drehen(achse, richtung) of a camera at eye looking at cent with up.
  void drehen(int achse, int richtung, Vektor3d eye, Vektor3d cent, Vektor3d up);
  // Gives back the reserved slots that were not filled, and the molecule itself when it got
  // no atom; only for the newest molecule.
  void rest_freigeben();
};

extern Atomlist atomliste[MAX_ATOME];
extern int anz_atome;
extern Bondlist bondliste[MAX_BONDS];
extern int anz_bonds;
extern Molekuel molekuel[MAX_MOLEKUELE];
extern int anz_molek;
extern int selectlist[MAX_SELECT];
extern int nsel;

// Held by the drawing, the picking and every change of the tables (and of the undo log);
// never held while waiting for the user.
extern std::mutex tabellen_sperre;

bool isepaar(int anr);                                          // a lone-pair pseudo-atom, name "e..."
inline bool atom_da(int i) { return i >= 0 && i < anz_atome; }  // a number of an atom in use
void auswahl_aufheben();                                        // no atom selected any more
int bindung_suchen(int a, int b);  // the first bond joining a and b either way, or anz_bonds
