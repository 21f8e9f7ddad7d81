// Bond angles and dihedrals set by typing, and the molecule that the camera commands turn in
// molecule edit mode.
#pragma once

#include "model/tabellen.h"

// The dihedral angle of four atoms about the bond p2-p3 in radians, in [0, pi], without sign.
double diederwinkel(Atomlist* p1, Atomlist* p2, Atomlist* p3, Atomlist* p4);
// The dihedral a[0..3] has no sign: turns atom a[3] about the axis by a test angle (schritt degrees,
// less within schritt of 0 and 180) and gives 1 when that makes the angle grow, else -1. The atom
// goes back to where it was.
int drehsinn(const int a[4], Vektor3d drehpunkt, Vektor3d drehachse, double schritt);
// Enter with three atoms selected: the bond angle at the middle one; with four: the dihedral.
void m_winkel(long id);
// "Molekuel rotieren...": chooses the molecule that the camera keys and drags then move.
void m_molek_rot(long id);
