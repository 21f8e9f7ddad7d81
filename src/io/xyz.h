// The structure text format (".xyz"): count line, atom lines and bond lines per molecule,
// with an optional "molekuele=" header; z is stored with the opposite sign.
#pragma once

#include <cstdio>

// Reads every molecule block from fp into the tables; every molecule after the very first
// is placed beside the atoms already loaded. Hands over to the PDB reader at an "ATOM" or
// "HETATM" header line. A count line of one number may be followed by a title line: plain XYZ,
// whose z is taken as it stands.
void xyzeinlesen(FILE* fp);
// A line of an element symbol (or "e") and at least three numbers, and nothing else.
bool atomzeile(const char* zeile);
// Writes molecule nr as one block; prints the saved message when name is not null.
void molekuel_xyzspeichern(int nr, FILE* fp, const char* name);
// flag -1: everything as one molecule; any other value: one block per molecule. Prints the saved
// message when name is not null.
void alles_xyzspeichern(FILE* fp, const char* name, int flag);
// The saved message: nr a molecule, -1 everything as one molecule, -2 all molecules.
void gespeichert_melden(int nr, const char* name);
void fprintf_bindung(FILE* fp, int i1, int i2, float strong);
