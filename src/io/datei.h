// Opening files to read, and writing a file completely or not at all: a new one never over a file
// that already exists, or one that replaces a file only once it is complete.
#pragma once

#include <cstdio>
#include <functional>

enum class Anlegen { erledigt, vorhanden, fehler };

// Writes through schreiber into a temporary file beside name and moves it to name only when every
// write and the close succeeded and name does not exist yet; otherwise no file is left behind.
Anlegen datei_anlegen(const char* name, const std::function<void(FILE*)>& schreiber);
// The same, but a file of that name is replaced in one step, keeping its permissions; until then it
// stays as it was.
Anlegen datei_ersetzen(const char* name, const std::function<void(FILE*)>& schreiber);
// Opens a file for reading; null, with errno set, when it does not open or is a directory.
FILE* zum_lesen_oeffnen(const char* name);
// A file, directory or link of this name exists.
bool datei_vorhanden(const char* name);
