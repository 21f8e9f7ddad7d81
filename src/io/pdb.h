// PDB input: ATOM and HETATM records, one molecule per chain ended by TER, reading ended by
// END; the bonds that CONECT records name, or in a file without any those the distances give.
#pragma once

#include <cstdio>

// Reads from the current position of fp; erste_zeile, when given, is a record already read
// from fp (the structure text reader hands over at its first ATOM or
// HETATM line).
void pdb_einlesen(FILE* fp, const char* erste_zeile = nullptr);
// An atom record: ATOM or HETATM.
bool atomsatz(const char* zeile);
// A line that begins with a record name of the PDB format in columns 1-6 (HEADER, REMARK, ...).
bool pdb_satz(const char* zeile);
