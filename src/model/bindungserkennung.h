// Bonds and bond orders from the coordinates alone, for the files that bring none (plain XYZ,
// PDB without CONECT records). Caller holds tabellen_sperre, or reads before the threads start.
#pragma once

// Finds the bonds of molecule mnr, which has none yet, from the distances of its atoms, with
// orders 1, 2, 3 and 1.5 for aromatic rings, and appends them to the bond table (as far as it
// has room). Lone pairs "e" and symbols without an element take no part. Prints how many it found,
// and returns that number.
int bindungen_erkennen(int mnr);
