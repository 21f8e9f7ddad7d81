// New atoms: the free place beside an atom, and the command that puts a new atom there.
#pragma once

#include "geometry/vektor.h"

// A point beside atom anr1 whose direction from it is free for a new bond: of two candidates the
// one less crowded by other atoms. Reads the tables, changes nothing; caller holds the lock.
Vektor3d freieposition(int anr1);
// "neues Atom..." and key A with one atom selected: a new atom of the newest molecule beside the
// selected (else the last) atom, at the standard bond length, bonded when an order is given.
void m_neuesatom(long id);
