// Angle mode: with three or four atoms selected, a drag with the left or middle button changes
// the bond angle or the dihedral in steps of half a degree; each drag is one undo record.
#pragma once

#include <atomic>

#include "geometry/vektor.h"

// 0 off; 1 (key M) the last selected atom turns with its branch; 2 (key N) everything beyond
// the vertex (bond angle) or beyond the central bond (dihedral) turns.
extern std::atomic<int> winkelmausflag;

// Keys M (modus 1) and N (2): angle mode on when more than two atoms are selected, else off.
void winkelmaus_taste(int modus);
// A drag step of the left or middle button in angle mode, d the pixels moved since the last
// step. Takes the table lock.
void winkelmaus_schritt(Intvektor d);
// One step of a drag at the bond angle of the three selected atoms, or at the dihedral of four;
// ip points right and up; erster on the first step of a drag. Caller holds the lock.
void winkel_aendern(Intvektor ip, bool erster);
void diederwinkel_aendern(Intvektor ip, bool erster);
