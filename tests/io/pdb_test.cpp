// PDB input: chains, TER and END, skipped records, element letters and coordinate columns.
#include "io/pdb.h"
#include "lesen.h"

static std::string atom(const char* name, double x, double y, double z, const char* rest = "ALA A   1 ") {
  char zeile[100];
  std::snprintf(zeile, sizeof zeile, "ATOM      1 %-4s %s   %8.3f%8.3f%8.3f  1.00  0.00\n", name, rest, x, y, z);
  return zeile;
}

TEST(Pdb, Dateien) {
  std::string ohne_ende, elf_ketten, zehn = "zu viele Molekuele, auf 10 begrenzt\n|", atome;
  for (int i = 0; i < 1001; i++) ohne_ende += atom(" H  ", i, 0, 0);
  for (int i = 0; i < 11; i++) elf_ketten += atom(" H  ", i, 0, 0) + "TER\n";
  for (int i = 0; i < 10; i++)  // each chain a molecule of one atom
    zehn += " " + std::to_string(i) + ":" + std::to_string(i) + "+1/0", atome += " H(" + std::to_string(i) + ",0,0)";
  pruefen({{"zwei Ketten, z wie in der Datei",
            atom(" N  ", 1, 2, 3) + atom(" CA ", 2, 3, 4) + "TER\n" + atom(" O  ", 5, 6, 7) + "TER\nEND\n",
            "| 0:0+2/0 1:2+1/0 N(1,2,3) C(2,3,4) O(5,6,7)"},
           {"nur Spalte 14 benennt das Atom, OXT faellt weg",
            atom(" CA ", 0, 0, 0) + atom("FE  ", 1, 1, 1) + atom(" OXT", 2, 2, 2) + atom(" H  ", 3, 3, 3) + "END\n",
            "unbekanntes Atom 'E'\n| 0:0+3/0 C(0,0,0) E(1,1,1) H(3,3,3)"},
           {"unbekannte Satzarten werden gemeldet, ENDMDL endet",
            "REMARK hallo\nHETATM    1  O   HOH\n" + atom(" C  ", 1, 1, 1) + "ENDMDL\n" + atom(" C  ", 2, 2, 2),
            "unbekanntes Schluesselwort in pdb-Datei: \"REMARK hallo\"\n"
            "unbekanntes Schluesselwort in pdb-Datei: \"HETATM    1  O   HOH\"\n| 0:0+1/0 C(1,1,1)"},
           // touching coordinates; an insertion code in column 27; a line without columns read word by word
           {"Koordinaten aus ihren Spalten",
            atom(" C  ", -100.123, -200.5, -300.25) + atom(" N  ", 1.5, 2.5, 3.5, "ALA A  12A") +
                "ATOM      3  O   ALA A   1 4 5 6\n",
            "| 0:0+3/0 C(-100.123,-200.5,-300.25) N(1.5,2.5,3.5) O(4,5,6)"},
           {"leere Ketten", "TER\nTER\n" + atom(" C  ", 1, 1, 1) + "TER\nTER\nEND\n", "| 0:0+1/0 C(1,1,1)"},
           {"zu kurz", "ATOM\nATOM      1  C\n", "Werte von Atom '' auf Default gesetzt\n| 0:0+2/0 (0,0,0) C(0,0,0)"},
           {"volle Tabelle ohne END", ohne_ende,
            "Fehler in pdb-lesen: fehlendes END oder zu viele Atome pro Molekuel\nnatoms=1000 nrstart=0\n| 0:0+1000/0"},
           {"hoechstens zehn Molekuele", elf_ketten, zehn + atome}}, [](FILE* fp) { pdb_einlesen(fp); });
}
