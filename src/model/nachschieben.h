// Moving the rest of a molecule: everything reachable from a start atom through the bonds of
// its molecule, without passing an atom marked with tmpflag, is shifted or turned along.
#pragma once

#include "geometry/quaternion.h"
#include "model/tabellen.h"

// The bonds of every atom in bond-table order, so that a walk need not scan the whole bond table
// for each atom it reaches. Describes the tables as they were when it was knotted.
struct Bindungsnetz {
  int anfang[MAX_ATOME + 1];  // the bonds of atom a: bindung[anfang[a]] to bindung[anfang[a + 1] - 1]
  int bindung[2 * MAX_BONDS];
  int weiter[2 * MAX_BONDS];  // the other end, when the bond and both ends are of one molecule; else -1
  void knuepfen();
};

// Shifts by p1. startflag is true on the caller's call: all marks are cleared at the end.
void atome_nachschieben(int j, Vektor3d p1, bool startflag);
// Turns about drehpunkt by q.
void atome_nachschieben(int j, Vektor3d drehpunkt, Quaternion q, bool startflag);
// Turns about drehpunkt by q what j reaches without passing the n atoms sperren; clears all marks.
void hinter_sperren_drehen(int j, Vektor3d drehpunkt, const Quaternion& q, const int* sperren, int n);
// Turns like atome_nachschieben(j, drehpunkt, q, true), walking netz, which must describe the
// tables; clears only the marks of the atoms it moved and of j.
void atome_drehen(const Bindungsnetz& netz, int j, Vektor3d drehpunkt, const Quaternion& q);
