// Opening files to read, and writing a new file completely or not at all, never over a file
// that already exists.
#pragma once

#include <cstdio>
#include <functional>

enum class Anlegen { erledigt, vorhanden, fehler };

// Writes through schreiber into a temporary file beside name and moves it to name only when every
// write and the close succeeded and name does not exist yet; otherwise no file is left behind.
Anlegen datei_anlegen(const char* name, const std::function<void(FILE*)>& schreiber);
// Opens a file for reading; null, with errno set, when it does not open or is a directory.
FILE* zum_lesen_oeffnen(const char* name);
// A file, directory or link of this name exists.
bool datei_vorhanden(const char* name);
