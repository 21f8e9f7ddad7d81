// Changing the tables by atoms and bonds: deleting and inserting them, with everything that holds
// their numbers following (bonds, molecule runs, the selection, the undo log, molecule edit mode).
// The editing commands and the relaxation both build on these. Caller holds tabellen_sperre.
#pragma once

#include "geometry/vektor.h"
#include "model/tabellen.h"

// Deletes an atom of the newest molecule: its bonds go, the last atom takes its number, and the
// selection is cleared. False (with a message) when refused.
bool atom_loeschen(int anr);
// Takes atom anr out of whichever molecule holds it: its bonds go, every later atom moves down by
// one, and its molecule goes with it when it was the last atom there.
void atom_herausnehmen(int anr);
// Puts a new atom at the end of molecule mnr's run; the atoms from there on move up by one.
// Returns its number. There must be room.
int atom_einfuegen(int mnr, const char* name, Vektor3d p);
// Appends bond b to its molecule; there must be room.
void bindung_anhaengen(const Bondlist& b);
// Appends a bond from a to b of order c to molecule m; false, with the message of a full bond
// table, when there is no room (readers that add bonds stop there).
bool bindung_anfuegen(int a, int b, float c, int m);
// Removes bond i; the later bonds move down by one.
void bindung_loeschen(int i);
