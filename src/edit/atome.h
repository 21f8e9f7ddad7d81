// Changing single atoms and bonds: the atom and bond dialogs, the automatic bond length of
// key A, and deleting an atom or a bond.
#pragma once

#include "model/tabellen.h"

// "Atom aendern..." and Enter: by the number of selected atoms the atom dialog (0 or 1), the
// bond dialog (2) or the angle dialogs (3, 4).
void m_atom_aendern(long id);
// "Bindung aendern...": order and length of the bond between two atoms; order 0 deletes it.
void m_bindung(long id);
// Puts atom b at distance abstand from atom a on the line through both (they must not coincide);
// with nachschieben everything bonded beyond b moves by the same vector. Caller holds the lock.
void abstand_setzen(int a, int b, double abstand, bool nachschieben);
// Key A with two atoms selected: sets their bond to its standard length. Caller holds the lock.
void bindungslaenge_automatisch();
// Deletes an atom of the newest molecule: its bonds go, the last atom takes its number, and the
// selection is cleared. False (with a message) when refused. Caller holds the lock.
bool atom_loeschen(int anr);
// Appends bond b to its molecule; there must be room. Caller holds the lock.
void bindung_anhaengen(const Bondlist& b);
// Removes bond i; the later bonds move down by one. Caller holds the lock.
void bindung_loeschen(int i);
