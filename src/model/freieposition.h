// The free place beside an atom, for a new atom or a lone pair.
#pragma once

#include "geometry/vektor.h"

// A point beside atom anr1 whose direction from it is free for a new bond: of two candidates the
// one less crowded by other atoms. Reads the tables, changes nothing; caller holds the lock.
Vektor3d freieposition(int anr1);
