// Angle mode: with three or four atoms selected, a drag with the left or middle button changes
// the bond angle or the dihedral in steps of half a degree; each drag is one undo record.
#pragma once

#include "geometry/vektor.h"

// Keys M (modus 1) and N (2): angle mode (winkelmausflag) on when more than two atoms are selected,
// else off. In mode 1 the last selected atom turns with its branch; in mode 2 everything beyond the
// vertex (bond angle) or beyond the central bond (dihedral).
void winkelmaus_taste(int modus);
// A drag step in angle mode: d the pixels moved since the last step, knopf 0 left or 1 middle
// (which turns the other way), erster on the first step of the drag. Takes the table lock.
void winkelmaus_schritt(Intvektor d, int knopf, bool erster);
// One step of a drag at the bond angle of the three selected atoms, or at the dihedral of four;
// ip points right and up; erster on the first step of a drag. Caller holds the lock.
void winkel_aendern(Intvektor ip, bool erster);
void diederwinkel_aendern(Intvektor ip, bool erster);
