// MDL mol file input (V2000 atom and bond blocks, as Marvin writes them).
#pragma once

#include <cstdio>

// Reads one molecule from the current position; false when the header or the counts
// are not usable.
bool mdl_einlesen(FILE* fp);
