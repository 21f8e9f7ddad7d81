// Moving the rest of a molecule: everything reachable from a start atom through the bonds of
// its molecule, without passing an atom marked with tmpflag, is shifted or turned along.
#pragma once

#include "geometry/quaternion.h"

// Shifts by p1. startflag is true on the caller's call: all marks are cleared at the end.
void atome_nachschieben(int j, Vektor3d p1, bool startflag);
// Turns about drehpunkt by q.
void atome_nachschieben(int j, Vektor3d drehpunkt, Quaternion q, bool startflag);
