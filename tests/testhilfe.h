// Helpers for the tests: empty tables, reading text as a file, capturing standard output.
#pragma once

#include <functional>
#include <string>

#include "geometry/vektor.h"

// Puts the atom, bond and molecule tables and the selection back to their start state.
void tabellen_leeren();
// Hands text to a reader as an open file.
void aus_text(const std::string& text, const std::function<void(FILE*)>& leser);
// What f prints on standard output.
std::string ausgabe_von(const std::function<void()>& f);
// What a writer writes to a file, as text.
std::string geschrieben(const std::function<void(FILE*)>& schreiber);
// Expects v to equal (x, y, z) up to rounding.
void erwarte_nah(Vektor3d v, double x, double y, double z);
void erwarte_nah(Vektor3d v, Vektor3d soll);
// Polls f every millisecond for up to 5 s; true once f holds (for what another thread does).
bool warten_bis(const std::function<bool()>& f);
