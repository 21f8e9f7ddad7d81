// Setting the distance of two atoms: the bond dialog, key A's standard bond length, and undo.
#pragma once

// Puts atom b at distance abstand from atom a on the line through both (they must not coincide);
// with nachschieben everything bonded beyond b moves by the same vector. Caller holds the lock.
void abstand_setzen(int a, int b, double abstand, bool nachschieben);
// Key A with two atoms selected: sets their bond to its standard length. Caller holds the lock.
void bindungslaenge_automatisch();
