// Recognising structure text, PDB and MDL files by their first lines.
#include "io/sniff.h"

#include <cctype>
#include <cstdio>
#include <cstring>

#include "io/datei.h"
#include "io/mdl.h"
#include "io/pdb.h"
#include "io/xyz.h"
#include "io/zeilen.h"

namespace {

enum class Format { xyz, pdb, mdl, unbekannt };

bool zaehlzeile(const char* zeile) {
  int atome, bindungen;
  const char* s;
  return std::isdigit(static_cast<unsigned char>(zeile[0])) && (s = ganzzahl_lesen(zeile, &atome)) &&
         ganzzahl_lesen(s, &bindungen) && atome > 0 && bindungen >= 0;
}

// Plain XYZ: a line holding only the atom count, then (after a title line) atom lines.
bool xyz_ohne_bindungen(char (*zeilen)[ZEILENLAENGE]) {
  int atome;
  const char* s = ganzzahl_lesen(zeilen[0], &atome);
  return s && atome > 0 && !s[std::strspn(s, " \t")] && (atomzeile(zeilen[1]) || atomzeile(zeilen[2]));
}

// An ATOM or HETATM record anywhere in the file, read on from where the first lines ended.
bool atomsatz_folgt(FILE* fp, char (*zeilen)[ZEILENLAENGE]) {
  for (int i = 0; i < 4; i++)
    if (atomsatz(zeilen[i])) return true;
  char zeile[ZEILENLAENGE];
  while (getline(fp, zeile, ZEILENLAENGE))
    if (atomsatz(zeile)) return true;
  return false;
}

Format format_erkennen(FILE* fp, char (*zeilen)[ZEILENLAENGE]) {
  if (zaehlzeile(zeilen[0])) return Format::xyz;
  if (std::strncmp(zeilen[0], "molek", 5) == 0 || std::strncmp(zeilen[1], "molek", 5) == 0) return Format::xyz;
  if (std::strncmp(zeilen[0], "ATOM", 4) == 0) return Format::pdb;
  if (std::strncmp(zeilen[1] + std::strspn(zeilen[1], " "), "Marvin", 6) == 0) return Format::mdl;
  for (int i = 0; i < 4; i++)
    if (v2000_zeile(zeilen[i])) return Format::mdl;
  if (pdb_satz(zeilen[0]) && atomsatz_folgt(fp, zeilen)) return Format::pdb;
  if (xyz_ohne_bindungen(zeilen)) return Format::xyz;
  return Format::unbekannt;
}

}  // namespace

bool unbek_einlesen(FILE* fp) {
  char zeilen[4][ZEILENLAENGE] = {};
  for (auto& zeile : zeilen) getline(fp, zeile, ZEILENLAENGE);
  std::puts("versuche unbekanntes Format zu lesen:");
  for (int i = 0; i < 4; i++) std::printf("zeile%d=\"%s\"\n", i + 1, zeilen[i]);
  Format format = format_erkennen(fp, zeilen);
  if (format == Format::unbekannt) return false;
  std::rewind(fp);
  if (format == Format::mdl) return mdl_einlesen(fp);
  if (format == Format::pdb)
    pdb_einlesen(fp);
  else
    xyzeinlesen(fp);
  return true;
}

bool struktur_einlesen(FILE* fp, bool formatsuche) {
  if (formatsuche) return unbek_einlesen(fp);
  xyzeinlesen(fp);
  return true;
}

bool unbek_einlesen(const char* name) {
  FILE* fp = zum_lesen_oeffnen(name);
  if (!fp) return false;
  bool gelesen = unbek_einlesen(fp);
  std::fclose(fp);
  return gelesen;
}
