// PDB input: atoms from ATOM and HETATM records, named by the element symbol of columns 77-78
// where there is one, else by the letter in column 14; bonds from CONECT records.
#include "io/pdb.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstring>
#include <map>
#include <utility>

#include "io/zeilen.h"
#include "model/aendern.h"
#include "model/bindungserkennung.h"
#include "model/elemente.h"
#include "model/tabellen.h"

namespace {

enum class Kettenende { ter, end, voll };

// What one file's records name: the atom read for each serial number, and how often the CONECT
// records of each atom name each partner.
struct Verweise {
  std::map<int, int> atom;
  std::map<std::pair<int, int>, int> conect;
  bool conect_da = false;  // a CONECT record, even one that names nothing
};

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

void pdb_atom(Molekuel& m, const char* zeile, Verweise& v) {
  std::size_t laenge = std::strlen(zeile);
  if (laenge > 14 && zeile[14] == 'X') return;  // OXT, the terminal oxygen
  char name[3];
  if (!element_lesen(zeile, name)) name[0] = laenge > 13 ? zeile[13] : '\0', name[1] = '\0';
  Vektor3d p = pdb_position(zeile);
  if (!position_endlich(p.x, p.y, p.z, zeile)) return;
  m.addatom(name, p);
  int serial;
  if (feld_lesen(zeile, 7, 11, &serial)) v.atom.emplace(serial, m.ia + m.natoms - 1);
}

// A CONECT record: the atom's serial number in columns 7-11, its partners' in 12-16, 17-21,
// 22-26 and 27-31; a record not written in its columns is read as white-space separated numbers.
void conect_lesen(const char* zeile, Verweise& v) {
  int nummer[5], n = 0;
  while (n < 5 && feld_lesen(zeile, 7 + 5 * n, 11 + 5 * n, &nummer[n])) n++;
  if (n == 0) {
    const char* s = std::strlen(zeile) > 6 ? zeile + 6 : "";
    while (n < 5 && (s = ganzzahl_lesen(s, &nummer[n]))) n++;
  }
  for (int i = 1; i < n; i++) v.conect[{nummer[0], nummer[i]}]++;
}

// Reads one chain into m until TER, END, the end of the file, or until its reservation is full.
Kettenende kette_lesen(FILE* fp, Molekuel& m, char* zeile, bool hat_zeile, Verweise& v) {
  while (m.natoms < m.maxatoms) {
    if (!hat_zeile && !getline(fp, zeile, ZEILENLAENGE)) return Kettenende::end;
    hat_zeile = false;
    if (atomsatz(zeile))
      pdb_atom(m, zeile, v);
    else if (beginnt_mit(zeile, "CONECT"))
      conect_lesen(zeile, v), v.conect_da = true;
    else if (beginnt_mit(zeile, "TER"))
      return Kettenende::ter;
    else if (beginnt_mit(zeile, "END"))
      return Kettenende::end;
    else
      std::printf("unbekanntes Schluesselwort in pdb-Datei: \"%s\"\n", zeile);
  }
  return Kettenende::voll;
}

// Reads chain after chain into new molecules.
void ketten_lesen(FILE* fp, const char* erste_zeile, Verweise& v) {
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
    Kettenende ende = kette_lesen(fp, m, zeile, hat_zeile, v);
    hat_zeile = false;
    m.rest_freigeben();
    if (ende == Kettenende::voll) {
      std::puts("Fehler in pdb-lesen: fehlendes END oder zu viele Atome pro Molekuel");
      std::printf("natoms=%d nrstart=%d\n", reserviert, nrstart);
    }
    if (ende != Kettenende::ter) return;
  }
}

// One bond per pair of atoms of one molecule that the CONECT records name, in the order of the
// atom numbers (so each molecule's bonds follow each other); its order is how often the pair is
// listed from either side, at most 3. What names no atom read, or two molecules, is reported once.
void bindungen_anlegen(const Verweise& v) {
  std::map<std::pair<int, int>, std::array<int, 2>> paare;  // how often each end names the other
  int ignoriert = 0;
  for (const auto& [paar, anzahl] : v.conect) {
    auto a = v.atom.find(paar.first), b = v.atom.find(paar.second);
    if (a == v.atom.end() || b == v.atom.end() || a->second == b->second ||
        atomliste[a->second].molekuelnr != atomliste[b->second].molekuelnr) {
      ignoriert += anzahl;
      continue;
    }
    paare[std::minmax(a->second, b->second)][a->second > b->second] += anzahl;
  }
  if (ignoriert > 0)
    std::printf("CONECT in pdb-Datei: %d Verweise auf ungelesene Atome oder zwischen Molekuelen ignoriert\n",
                ignoriert);
  for (const auto& [paar, anzahl] : paare)
    if (!bindung_anfuegen(paar.first, paar.second, std::min(3, std::max(anzahl[0], anzahl[1])),
                          atomliste[paar.first].molekuelnr))
      return;
}

const char* const satznamen[] = {
    "HEADER", "OBSLTE", "TITLE",  "SPLIT",  "CAVEAT", "COMPND", "SOURCE", "KEYWDS", "EXPDTA", "NUMMDL", "MDLTYP",
    "AUTHOR", "REVDAT", "SPRSDE", "JRNL",   "REMARK", "DBREF",  "DBREF1", "DBREF2", "SEQADV", "SEQRES", "MODRES",
    "HET",    "HETNAM", "HETSYN", "FORMUL", "HELIX",  "SHEET",  "SSBOND", "LINK",   "CISPEP", "SITE",   "CRYST1",
    "ORIGX1", "ORIGX2", "ORIGX3", "SCALE1", "SCALE2", "SCALE3", "MTRIX1", "MTRIX2", "MTRIX3", "MODEL",  "ATOM",
    "ANISOU", "TER",    "HETATM", "ENDMDL", "CONECT", "MASTER", "END"};

}  // namespace

bool atomsatz(const char* zeile) { return beginnt_mit(zeile, "ATOM") || beginnt_mit(zeile, "HETATM"); }

bool pdb_satz(const char* zeile) {
  for (const char* name : satznamen) {
    std::size_t n = std::strlen(name);
    if (beginnt_mit(zeile, name) && std::strspn(zeile + n, " ") >= std::min(6 - n, std::strlen(zeile + n))) return true;
  }
  return false;
}

// A file without any CONECT record gets the bonds of each of its molecules from the distances.
void pdb_einlesen(FILE* fp, const char* erste_zeile) {
  Verweise v;
  int erstes = anz_molek;
  ketten_lesen(fp, erste_zeile, v);
  if (v.conect_da)
    bindungen_anlegen(v);
  else
    for (int m = erstes; m < anz_molek; m++) bindungen_erkennen(m);
}
