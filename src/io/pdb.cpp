// PDB input: atoms from ATOM records, named by the element symbol of columns 77-78 where there
// is one, else by the letter in column 14.
#include "io/pdb.h"

#include <cctype>
#include <cstring>

#include "io/zeilen.h"
#include "model/elemente.h"
#include "model/tabellen.h"

namespace {

enum class Kettenende { ter, end, voll };

// x, y and z from their columns 31-38, 39-46 and 47-54; a line whose fields are not there
// is read as white-space separated numbers from column 23 on: residue number, x, y, z.
Vektor3d pdb_position(const char* zeile) {
  double x = 0, y = 0, z = 0;
  if (feld_lesen(zeile, 31, 38, &x) && feld_lesen(zeile, 39, 46, &y) && feld_lesen(zeile, 47, 54, &z))
    return Vektor3d(x, y, z);
  char residuum[ZEILENLAENGE];
  const char* s = std::strlen(zeile) > 22 ? wort_lesen(zeile + 22, residuum, sizeof residuum) : nullptr;
  if (s && (s = zahl_lesen(s, &x)) && (s = zahl_lesen(s, &y))) zahl_lesen(s, &z);
  return Vektor3d(x, y, z);
}

// The element symbol of columns 77-78, written as the element table writes it ("ZN" as "Zn",
// " C" as "C"); false when the line has none there that the table knows.
bool element_lesen(const char* zeile, char* name) {
  if (std::strlen(zeile) < 78) return false;
  unsigned char a = zeile[76], b = zeile[77];
  if (a == ' ') a = b, b = '\0';  // a one-letter symbol, right-aligned
  if (!std::isalpha(a) || (b && !std::isalpha(b))) return false;
  name[0] = static_cast<char>(std::toupper(a));
  name[1] = static_cast<char>(std::tolower(b));
  name[2] = '\0';
  return pernr(name) > 0;
}

void pdb_atom(Molekuel& m, const char* zeile) {
  std::size_t laenge = std::strlen(zeile);
  if (laenge > 14 && zeile[14] == 'X') return;  // OXT, the terminal oxygen
  char name[3];
  if (!element_lesen(zeile, name)) name[0] = laenge > 13 ? zeile[13] : '\0', name[1] = '\0';
  Vektor3d v = pdb_position(zeile);
  if (position_endlich(v.x, v.y, v.z, zeile)) m.addatom(name, v);
}

// Reads one chain into m until TER, END, the end of the file, or until its reservation is full.
Kettenende kette_lesen(FILE* fp, Molekuel& m, char* zeile, bool hat_zeile) {
  while (m.natoms < m.maxatoms) {
    if (!hat_zeile && !getline(fp, zeile, ZEILENLAENGE)) return Kettenende::end;
    hat_zeile = false;
    if (std::strncmp(zeile, "ATOM", 4) == 0)
      pdb_atom(m, zeile);
    else if (std::strncmp(zeile, "TER", 3) == 0)
      return Kettenende::ter;
    else if (std::strncmp(zeile, "END", 3) == 0)
      return Kettenende::end;
    else
      std::printf("unbekanntes Schluesselwort in pdb-Datei: \"%s\"\n", zeile);
  }
  return Kettenende::voll;
}

}  // namespace

void pdb_einlesen(FILE* fp, const char* erste_zeile) {
  char zeile[ZEILENLAENGE] = "";
  bool hat_zeile = erste_zeile != nullptr;
  if (hat_zeile) std::snprintf(zeile, sizeof zeile, "%s", erste_zeile);
  for (;;) {
    int nrstart = anz_atome;
    if (anz_molek == MAX_MOLEKUELE) {
      std::printf("zu viele Molekuele, auf %d begrenzt\n", MAX_MOLEKUELE);
      return;
    }
    int nr = anz_molek++;
    Molekuel& m = molekuel[nr];
    int reserviert = MAX_ATOME - nrstart;
    m.init(nr, reserviert, 0);
    Kettenende ende = kette_lesen(fp, m, zeile, hat_zeile);
    hat_zeile = false;
    m.rest_freigeben();
    if (ende == Kettenende::voll) {
      std::puts("Fehler in pdb-lesen: fehlendes END oder zu viele Atome pro Molekuel");
      std::printf("natoms=%d nrstart=%d\n", reserviert, nrstart);
    }
    if (ende != Kettenende::ter) return;
  }
}
