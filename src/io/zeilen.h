// Line input and the small text and comparison helpers that the readers and commands share.
#pragma once

#include <cstdio>

constexpr int ZEILENLAENGE = 200;  // a read takes at most 199 characters

// Reads one line into s (at most lim - 1 characters); a carriage return ends the content.
// False only when reading stopped at the end of the file.
bool getline(FILE* fp, char* s, int lim);
// Reads the first run of digits in str; 1 and the value, or 0 with *zahl = 0.
int myscanf(const char* str, int* zahl);
// Position of s2 in s1 counted from 0, -1 when absent, 0 for an empty s2.
int index(const char* s1, const char* s2);
// Removes leading blanks, carriage returns and newlines and trailing blanks, in place.
void strclean(char* str);
bool fastgleichi(int a, int b, int diff);
bool fastgleichd(double a, double b, double diff);

// Readers of white-space separated fields: each skips leading white space, reads one field
// and returns where the field ends, or null when there is none. Integers saturate at the int
// range; a word longer than max - 1 characters is cut, the rest of it skipped.
const char* wort_lesen(const char* s, char* ziel, int max);
const char* ganzzahl_lesen(const char* s, int* zahl);
const char* zahl_lesen(const char* s, double* zahl);
const char* zahl_lesen(const char* s, float* zahl);

// Reads the right-aligned fixed-width field of columns von to bis (counted from 1): true when
// the line reaches column bis, that column is not blank, and the field holds exactly one number.
bool feld_lesen(const char* zeile, int von, int bis, int* zahl);
bool feld_lesen(const char* zeile, int von, int bis, double* zahl);

// An atom position that a reader may take: true when all three coordinates are finite, else
// false with a message naming the line.
bool position_endlich(double x, double y, double z, const char* zeile);

// True when s begins with anfang.
bool beginnt_mit(const char* s, const char* anfang);
// True for a line that readers skip: empty, or a comment starting with ";" in column 1.
bool leerzeile(const char* zeile);
// Reads the next line that is neither empty nor a comment; false at the end of the file.
bool naechste_zeile(FILE* fp, char* zeile);
