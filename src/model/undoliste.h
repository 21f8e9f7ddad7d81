// The undo log: the last ten changes of an atom, a bond, a bond angle or a dihedral, newest last.
// Guarded by tabellen_sperre like the tables it refers to, whose renumbering its records follow.
#pragma once

#include "geometry/vektor.h"
#include "model/tabellen.h"

constexpr int UNDO_MAX = 10;

struct Undo {
  int typ = 0;                 // 1 atom changed, 2 bond changed, 3 atoms turned
  int nr = 0;                  // 1: the atom; 2: the bond; 3: the atom the turn is anchored at
  int mnr = 0;                 // 1: molecule of the atom before the change
  int flag = 0;                // 2: move the rest along; 3: 0 only i3 turned, 1 bond angle, 2 dihedral
  int i0 = 0, i1 = 0, i3 = 0;  // 3: the fixed atoms and the atom turned alone
  int nachschiebnr = 0;        // 3: the atom the turn spread from
  char atomname[4] = {};       // 1: the name before the change, not necessarily terminated
  Bondlist bond;               // 2: the record to put back (strong 0: none); n2 was moved
  double abstand = 0;          // 2: the distance before (0: none); 3: the angle turned
  Vektor3d vektor;             // 1: the position before; 3: the centre of the turn
  Vektor3d drehachse;          // 3: the axis of the forward turn
};

extern Undo undoliste[UNDO_MAX];
extern int undo_anz;

// Makes room for one record (dropping the oldest when the log is full) and returns its index;
// the caller fills in the fields of its kind.
int undo_add(int typ, int nr);
// Keeps the records on the same atoms and bonds when the tables are renumbered: atom anr was
// deleted and the former last atom c moved into its slot; bond i was removed and the later
// ones moved down; atom anr was taken out and every later atom moved down by one; an atom was put
// in at anr and every atom from there moved up by one; molecule mnr went and the later ones moved
// down. Records of what is gone are dropped.
void undo_atom_geloescht(int anr, int c);
void undo_bindung_geloescht(int i);
void undo_atom_herausgenommen(int anr);
void undo_atom_eingefuegt(int anr);
void undo_molekuel_entfernt(int mnr);
