// MDL mol file input: the count line, the atom block and the bond block.
// Fields are read by their columns where they are right-aligned in place (so that touching
// numbers such as "100100" part correctly), otherwise as white-space separated values.
#include "io/mdl.h"

#include <cctype>
#include <cstring>

#include "io/zeilen.h"
#include "model/tabellen.h"

namespace {

// The first n three-column integer fields, or the first n white-space separated integers when
// the fields are not in their columns (a number runs on past the last of them).
bool ganzzahlen_lesen(const char* zeile, int n, int* werte) {
  bool spalten = true;
  for (int i = 0; i < n && spalten; i++) spalten = feld_lesen(zeile, 3 * i + 1, 3 * i + 3, &werte[i]);
  if (spalten && !std::isdigit(static_cast<unsigned char>(zeile[3 * n]))) return true;
  const char* s = zeile;
  for (int i = 0; i < n; i++)
    if (!(s = ganzzahl_lesen(s, &werte[i]))) return false;
  return true;
}

// x, y, z and the symbol; false when not all four were read.
bool atomzeile(const char* zeile, Vektor3d* v, char* symbol, int max) {
  if (feld_lesen(zeile, 1, 10, &v->x) && feld_lesen(zeile, 11, 20, &v->y) && feld_lesen(zeile, 21, 30, &v->z) &&
      std::strlen(zeile) > 31)
    return wort_lesen(zeile + 31, symbol, max) != nullptr;
  *v = Vektor3d();
  const char* s = zeile;
  return (s = zahl_lesen(s, &v->x)) && (s = zahl_lesen(s, &v->y)) && (s = zahl_lesen(s, &v->z)) &&
         wort_lesen(s, symbol, max);
}

// An atom line; the atom's number, or -1 when its position is not finite and it was left out.
int atom_lesen(Molekuel& m, const char* zeile) {
  Vektor3d v;
  char symbol[ZEILENLAENGE] = "";
  if (!atomzeile(zeile, &v, symbol, sizeof symbol)) std::printf("Fehler in mdl_einlesen: zeile=\"%s\"\n", zeile);
  if (std::strlen(symbol) > 2) std::printf("Fehlerhaftes Atom: \"%s\"\n", symbol);
  if (!position_endlich(v.x, v.y, v.z, zeile)) return -1;
  m.addatom(symbol, v);
  return m.ia + m.natoms - 1;
}

// Two atom numbers counted from 1 among the n atom lines and the bond type, taken as the order;
// nummer gives the atom each line became (-1: left out, and its bonds with it).
void bindung_lesen(Molekuel& m, const char* zeile, const int* nummer, int n) {
  int werte[3] = {0, 0, 0};
  if (!ganzzahlen_lesen(zeile, 3, werte) && !ganzzahlen_lesen(zeile, 2, werte)) {
    std::printf("Fehler in mdl_einlesen: zeile=\"%s\"\n", zeile);
    return;
  }
  if (werte[0] < 1 || werte[0] > n || werte[1] < 1 || werte[1] > n) {
    std::printf("Fehler: Atomnummer ausserhalb des Molekuels: zeile=\"%s\"\n", zeile);
    return;
  }
  int a = nummer[werte[0] - 1], b = nummer[werte[1] - 1];
  if (a >= 0 && b >= 0) m.addbond(a, b, static_cast<float>(werte[2]));
}

}  // namespace

bool v2000_zeile(const char* zeile) {
  char feld[7] = "";
  if (std::strlen(zeile) >= 34) std::snprintf(feld, sizeof feld, "%s", zeile + 33);
  return std::strcmp(feld + std::strspn(feld, " "), "V2000") == 0;
}

bool mdl_einlesen(FILE* fp) {
  char zeile[ZEILENLAENGE];
  for (int i = 0; i < 3; i++)
    if (!getline(fp, zeile, ZEILENLAENGE)) return false;
  while (zeile[0] == '\0')
    if (!getline(fp, zeile, ZEILENLAENGE)) return false;
  int anzahl[2];
  // A comment in the third line: the count line is the next one when it says V2000.
  if (!ganzzahlen_lesen(zeile, 2, anzahl) &&
      !(getline(fp, zeile, ZEILENLAENGE) && v2000_zeile(zeile) && ganzzahlen_lesen(zeile, 2, anzahl)))
    return false;
  int atome = anzahl[0], bindungen = anzahl[1];
  if (atome <= 0 || bindungen < 0 || atome > MAX_ATOME - anz_atome || bindungen > MAX_BONDS - anz_bonds) return false;
  if (anz_molek == MAX_MOLEKUELE) {
    std::printf("zu viele Molekuele, auf %d begrenzt\n", MAX_MOLEKUELE);
    return false;
  }
  int nr = anz_molek++;
  Molekuel& m = molekuel[nr];
  m.init(nr, atome, bindungen);
  int nummer[MAX_ATOME], n = 0;
  while (n < atome && naechste_zeile(fp, zeile)) nummer[n++] = atom_lesen(m, zeile);
  for (int i = 0; i < bindungen && naechste_zeile(fp, zeile); i++) bindung_lesen(m, zeile, nummer, n);
  m.rest_freigeben();
  return true;
}
