// PDB input: ATOM records, one molecule per chain ended by TER, reading ended by END.
#pragma once

#include <cstdio>

// Reads from the current position of fp; erste_zeile, when given, is a record already read
// from fp (the structure text reader hands over at its first ATOM line).
void pdb_einlesen(FILE* fp, const char* erste_zeile = nullptr);
