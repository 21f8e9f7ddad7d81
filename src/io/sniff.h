// Recognising the format of a file by its first four lines and reading it with its reader.
#pragma once

#include <cstdio>

// Opens, sniffs, reads and closes the file; false when it does not open or is not recognised
// (for an MDL file: the MDL reader's result).
bool unbek_einlesen(const char* name);
// The same for a file already open: sniffs from its start and reads it from there.
bool unbek_einlesen(FILE* fp);
// Reads an open file as structure text, or, with formatsuche, by the format its first lines show;
// false when that format is not recognised.
bool struktur_einlesen(FILE* fp, bool formatsuche);
