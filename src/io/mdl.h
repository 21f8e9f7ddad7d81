// MDL mol file input: the V2000 atom and bond blocks of a mol file, or of the first molecule
// of an SD file. V3000 blocks are not read.
#pragma once

#include <cstdio>

// Reads one molecule from the current position; false when the header or the counts
// are not usable.
bool mdl_einlesen(FILE* fp);
// A counts line of the V2000 format: columns 34-39 hold "V2000" after blanks.
bool v2000_zeile(const char* zeile);
