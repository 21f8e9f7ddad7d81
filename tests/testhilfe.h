// Helpers for the tests: empty tables, reading text as a file, capturing standard output, answering dialogs.
#pragma once

#include <unistd.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "geometry/vektor.h"

// Puts the atom, bond and molecule tables and the selection back to their start state.
void tabellen_leeren();
// Hands text to a reader as an open file.
void aus_text(const std::string& text, const std::function<void(FILE*)>& leser);
// What f prints on standard output.
std::string ausgabe_von(const std::function<void()>& f);
// What a writer writes to a file, as text.
std::string geschrieben(const std::function<void(FILE*)>& schreiber);
// Expects v to equal soll up to rounding.
void erwarte_nah(Vektor3d v, Vektor3d soll);
// The positions of all atoms; the numbers, run together, of the atoms that moved since.
std::vector<Vektor3d> positionen();
std::string bewegt(const std::vector<Vektor3d>& vorher);
// The distance of two atoms; the angle a-b-c in degrees.
double abstand(int a, int b);
double winkel(int a, int b, int c);
// The bonds as "a-b:order ", the atoms as "name+molecule ".
std::string bindungen();
std::string atome();
// A new directory, the working directory while this lives, then removed.
struct Arbeitsverzeichnis {
  std::filesystem::path alt = std::filesystem::current_path(),
                        pfad = std::filesystem::temp_directory_path() / ("quil-test-" + std::to_string(getpid()));
  Arbeitsverzeichnis() { std::filesystem::create_directory(pfad), std::filesystem::current_path(pfad); }
  ~Arbeitsverzeichnis() { std::filesystem::current_path(alt), std::filesystem::remove_all(pfad); }
};
// Polls f every millisecond for up to 5 s; true once f holds (for what another thread does).
bool warten_bis(const std::function<bool()>& f);

// Keys to the requester, and as negative codes: clicks on a button, beside everything, on field i (FELD - i), keys.
constexpr int KNOPF1 = -1, KNOPF2 = -2, KNOPF3 = -3, NEBEN = -4, FELD = -10, LINKS = -100, RECHTS = -102, ENTF = -111;
void eingeben(const std::vector<int>& folge);

// A dialog as the user answers it: a text it must show (its text, then "|label=field" for each input field), the
// field texts to type ("" leaves a field as shown), and the button: 1 the first, 0 the second, -1 Escape.
struct Antwort {
  std::string zeigt;
  std::vector<std::string> felder = {};
  int knopf = 1;
};
// Runs f on a thread as the menu thread, answering its dialogs as the main thread (one more or less fails); its output.
std::string bedienen(void (*f)(long), const std::vector<Antwort>& dialoge = {});
