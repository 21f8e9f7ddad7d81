// MDL mol file input: the count line, the atom block and the bond block.
// Fields are read by their columns where they are right-aligned in place (so that touching
// numbers such as "100100" part correctly), otherwise as white-space separated values.
#include "io/mdl.h"

#include <cstring>

#include "io/zeilen.h"
#include "model/tabellen.h"

namespace {

// The first n three-column integer fields, or the first n white-space separated integers.
bool ganzzahlen_lesen(const char* zeile, int n, int* werte) {
  bool spalten = true;
  for (int i = 0; i < n && spalten; i++) spalten = feld_lesen(zeile, 3 * i + 1, 3 * i + 3, &werte[i]);
  if (spalten) return true;
  const char* s = zeile;
  for (int i = 0; i < n; i++)
    if (!(s = ganzzahl_lesen(s, &werte[i]))) return false;
  return true;
}

// x, y, z and the symbol; false when not all four were read.
bool atomzeile(const char* zeile, Vektor3d* v, char* symbol, int max) {
  if (feld_lesen(zeile, 1, 10, &v->x) && feld_lesen(zeile, 11, 20, &v->y) &&
      feld_lesen(zeile, 21, 30, &v->z) && std::strlen(zeile) > 31)
    return wort_lesen(zeile + 31, symbol, max) != nullptr;
  *v = Vektor3d();
  const char* s = zeile;
  return (s = zahl_lesen(s, &v->x)) && (s = zahl_lesen(s, &v->y)) && (s = zahl_lesen(s, &v->z)) &&
         wort_lesen(s, symbol, max);
}

void atom_lesen(Molekuel& m, const char* zeile) {
  Vektor3d v;
  char symbol[ZEILENLAENGE] = "";
  if (!atomzeile(zeile, &v, symbol, sizeof symbol))
    std::printf("Fehler in mdl_einlesen: zeile=\"%s\"\n", zeile);
  if (std::strlen(symbol) > 2) std::printf("Fehlerhaftes Atom: \"%s\"\n", symbol);
  m.addatom(symbol, v);
}

// Two atom numbers counted from 1 and the bond type, taken as the order.
void bindung_lesen(Molekuel& m, const char* zeile) {
  int werte[3] = {0, 0, 0};
  if (!ganzzahlen_lesen(zeile, 3, werte) && !ganzzahlen_lesen(zeile, 2, werte)) {
    std::printf("Fehler in mdl_einlesen: zeile=\"%s\"\n", zeile);
    return;
  }
  if (werte[0] < 1 || werte[0] > m.natoms || werte[1] < 1 || werte[1] > m.natoms) {
    std::printf("Fehler: Atomnummer ausserhalb des Molekuels: zeile=\"%s\"\n", zeile);
    return;
  }
  m.addbond(m.ia + werte[0] - 1, m.ia + werte[1] - 1, static_cast<float>(werte[2]));
}

}  // namespace

bool mdl_einlesen(FILE* fp) {
  char zeile[ZEILENLAENGE];
  for (int i = 0; i < 3; i++)
    if (!getline(fp, zeile, ZEILENLAENGE)) return false;
  while (zeile[0] == '\0')
    if (!getline(fp, zeile, ZEILENLAENGE)) return false;
  int anzahl[2];
  if (!ganzzahlen_lesen(zeile, 2, anzahl)) return false;
  int atome = anzahl[0], bindungen = anzahl[1];
  if (atome <= 0 || bindungen < 0 || atome > MAX_ATOME - anz_atome || bindungen > MAX_BONDS - anz_bonds)
    return false;
  if (anz_molek == MAX_MOLEKUELE) {
    std::printf("zu viele Molekuele, auf %d begrenzt\n", MAX_MOLEKUELE);
    return false;
  }
  int nr = anz_molek++;
  Molekuel& m = molekuel[nr];
  m.init(nr, atome, bindungen);
  while (m.natoms < atome && naechste_zeile(fp, zeile)) atom_lesen(m, zeile);
  for (int i = 0; i < bindungen && naechste_zeile(fp, zeile); i++) bindung_lesen(m, zeile);
  m.rest_freigeben();
  return true;
}
