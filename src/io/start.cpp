// Start-up: the command line "quil [-Flags] [Quellname1] [Quellname2] [Quellname3]".
#include "io/start.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "io/datei.h"
#include "io/sniff.h"
#include "io/xyz.h"
#include "io/zeilen.h"
#include "model/tabellen.h"

char argflag[128];
char filename0[1024] = "Alanin.xyz";
const char versionstext[] = "Version 0.8";
const char keine_atome[] = "keine Atome in \"%s\" gefunden\n";
char startfehler[1100];

namespace {

constexpr int NAMENSLAENGE = 80;

bool flagge(char c) { return argflag[c & 0x7f]; }

void version_zeigen(bool anwendung) {
  std::printf("quil %s\n", versionstext);
  if (anwendung) {
    std::puts("Anwendung: quil [-Flags] [Quellname1] [Quellname2] [Quellname3]");
    std::puts("  Flags: u=unbekanntes Format suchen");
  }
  std::exit(0);
}

// Reads a structure text file; false when it does not open.
bool xyzdatei_einlesen(const char* name) {
  FILE* fp = zum_lesen_oeffnen(name);
  if (!fp) return false;
  xyzeinlesen(fp);
  std::fclose(fp);
  return true;
}

// Prints a message about a file; a failure of the first file is also kept for the window.
void melden(const char* format, const char* name, bool startfehler_merken) {
  std::printf(format, name);
  if (startfehler_merken) std::snprintf(startfehler, sizeof startfehler, format, name);
}

void quelle_einlesen(const char* name, bool formatsuche, bool erste) {
  FILE* fp = zum_lesen_oeffnen(name);
  if (!fp) return melden("konnte \"%s\" nicht oeffnen\n", name, erste);
  int vorher = anz_atome;
  bool gelesen = struktur_einlesen(fp, formatsuche);
  std::fclose(fp);
  if (!gelesen)
    melden("Fileformat von \"%s\" nicht erkannt\n", name, erste);
  else if (anz_atome == vorher)
    melden(keine_atome, name, erste);
  else
    std::printf("%s eingelesen\n", name);
}

// The default file from the working directory, else the copy installed with quil, found from
// the folder of the program so that the installation may move.
bool vorgabe_einlesen() {
  if (xyzdatei_einlesen(filename0)) return true;
  char programm[4096];
  ssize_t n = readlink("/proc/self/exe", programm, sizeof programm - 1);
  if (n <= 0) return false;
  std::string pfad(programm, static_cast<std::size_t>(n));
  pfad.erase(pfad.rfind('/') + 1);
  return xyzdatei_einlesen((pfad + QUIL_DATEN "/" + filename0).c_str());
}

// Copies a file name into its buffer; a name that does not fit is refused: false.
bool namen_merken(char* ziel, const char* name) {
  if (std::strlen(name) < NAMENSLAENGE) {
    std::strcpy(ziel, name);
    return true;
  }
  std::printf("Dateiname zu lang (hoechstens %d Zeichen): \"%s\"\n", NAMENSLAENGE - 1, name);
  return false;
}

}  // namespace

void setargflags(const char* s) {
  for (; *s; s++) {
    char c = *s >= 'a' && *s <= 'z' ? static_cast<char>(*s - 32) : *s;
    argflag[c & 0x7f] = 1;
  }
}

void kommandozeile_ausfuehren(int argc, char** argv) {
  char quellname[3][NAMENSLAENGE] = {"", "", ""};
  const char* namen[3] = {};
  bool gemerkt[3] = {false, false, false};
  int j = 0;
  for (int i = 1; i < argc; i++) {
    if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "--version") == 0)
      version_zeigen(argv[i][2] == 'h');
    if (argv[i][0] == '-' || argv[i][0] == '?')
      setargflags(argv[i]);
    else if (++j <= 3)
      namen[j - 1] = argv[i];
  }
  if (flagge('?') || j > 3) version_zeigen(true);
  for (int k = 0; k < j; k++) gemerkt[k] = namen_merken(quellname[k], namen[k]);
  if (j == 0 || (gemerkt[0] && quellname[0][0] == '\0')) {
    if (!vorgabe_einlesen()) melden("kann \"%s\" nicht oeffnen.\n", filename0, true);
    return;
  }
  if (gemerkt[0]) quelle_einlesen(quellname[0], flagge('U') || index(quellname[0], ".xyz") < 0, true);
  for (int k = 1; k < j && k < 3; k++)
    if (gemerkt[k]) quelle_einlesen(quellname[k], false, false);
}
