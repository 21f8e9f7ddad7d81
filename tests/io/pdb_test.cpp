// PDB input: chains, TER and END, skipped records, element letters and coordinate columns.
#include <gtest/gtest.h>

#include <string>

#include "io/pdb.h"
#include "io/xyz.h"
#include "model/tabellen.h"
#include "testhilfe.h"

namespace {

struct Pdb : testing::Test {
  void SetUp() override { tabellen_leeren(); }
  std::string lesen(const std::string& text) {
    return ausgabe_von([&] { aus_text(text, [](FILE* fp) { pdb_einlesen(fp); }); });
  }
};

std::string atom(const char* name, double x, double y, double z, const char* rest = "ALA A   1 ") {
  char zeile[100];
  std::snprintf(zeile, sizeof zeile, "ATOM      1 %-4s %s   %8.3f%8.3f%8.3f  1.00  0.00\n", name, rest, x, y,
                z);
  return zeile;
}

TEST_F(Pdb, ZweiKettenGebenZweiMolekuele) {
  EXPECT_EQ(lesen(atom(" N  ", 1, 2, 3) + atom(" CA ", 2, 3, 4) + "TER\n" + atom(" O  ", 5, 6, 7) + "TER\nEND\n"),
            "");
  ASSERT_EQ(anz_molek, 2);
  EXPECT_EQ(anz_atome, 3);
  EXPECT_EQ(anz_bonds, 0);
  EXPECT_EQ(molekuel[0].natoms, 2);
  EXPECT_EQ(molekuel[1].ia, 2);
  EXPECT_STREQ(atomliste[1].name, "C");
  EXPECT_EQ(atomliste[1].molekuelnr, 0);
  EXPECT_EQ(atomliste[2].molekuelnr, 1);
  EXPECT_DOUBLE_EQ(atomliste[2].p.z, 7);  // z as in the file
}

TEST_F(Pdb, NurSpalte14BenenntDasAtom) {
  lesen(atom(" CA ", 0, 0, 0) + atom("FE  ", 1, 1, 1) + atom(" OXT", 2, 2, 2) + atom(" H  ", 3, 3, 3) + "END\n");
  ASSERT_EQ(anz_atome, 3);
  EXPECT_STREQ(atomliste[0].name, "C");
  EXPECT_STREQ(atomliste[1].name, "E");
  EXPECT_STREQ(atomliste[2].name, "H");
}

TEST_F(Pdb, UnbekannteSatzartenWerdenGemeldet) {
  std::string hetatm = "HETATM    1  O   HOH     1       1.000   1.000   1.000\n";
  EXPECT_EQ(lesen("REMARK hallo\n" + hetatm + atom(" C  ", 1, 1, 1) + "ENDMDL\n" + atom(" C  ", 2, 2, 2)),
            "unbekanntes Schluesselwort in pdb-Datei: \"REMARK hallo\"\n"
            "unbekanntes Schluesselwort in pdb-Datei: \"" + hetatm.substr(0, hetatm.size() - 1) + "\"\n");
  EXPECT_EQ(anz_atome, 1);
}

TEST_F(Pdb, KoordinatenAusIhrenSpalten) {
  // touching coordinates, and a residue number with an insertion code in column 27
  lesen(atom(" C  ", -100.123, -200.5, -300.25) + atom(" N  ", 1.5, 2.5, 3.5, "ALA A  12A") +
        "ATOM      3  O   ALA A   1  4.0 5.0 6.0\n" + "END\n");
  ASSERT_EQ(anz_atome, 3);
  EXPECT_DOUBLE_EQ(atomliste[0].p.x, -100.123);
  EXPECT_DOUBLE_EQ(atomliste[0].p.y, -200.5);
  EXPECT_DOUBLE_EQ(atomliste[0].p.z, -300.25);
  EXPECT_DOUBLE_EQ(atomliste[1].p.y, 2.5);
  EXPECT_DOUBLE_EQ(atomliste[2].p.x, 4);  // not in columns: read white-space separated
  EXPECT_DOUBLE_EQ(atomliste[2].p.z, 6);
}

TEST_F(Pdb, LeereKettenBleibenNicht) {
  lesen("TER\nTER\n" + atom(" C  ", 1, 1, 1) + "TER\nTER\nEND\n");
  EXPECT_EQ(anz_molek, 1);
  EXPECT_EQ(molekuel[0].natoms, 1);
  lesen("END\n");
  EXPECT_EQ(anz_molek, 1);
}

TEST_F(Pdb, KurzeUndKaputteZeilen) {
  lesen("ATOM\nATOM      1  C\n");
  EXPECT_EQ(anz_atome, 2);
  EXPECT_EQ(atomliste[0].p.x, 0);
}

TEST_F(Pdb, VolleTabelleOhneEnde) {
  std::string text;
  for (int i = 0; i < 1001; i++) text += atom(" H  ", i, 0, 0);
  EXPECT_EQ(lesen(text),
            "Fehler in pdb-lesen: fehlendes END oder zu viele Atome pro Molekuel\n"
            "natoms=1000 nrstart=0\n");
  EXPECT_EQ(anz_atome, 1000);
  EXPECT_EQ(anz_molek, 1);
}

TEST_F(Pdb, HoechstensZehnMolekuele) {
  std::string text;
  for (int i = 0; i < 11; i++) text += atom(" H  ", i, 0, 0) + "TER\n";
  EXPECT_EQ(lesen(text), "zu viele Molekuele, auf 10 begrenzt\n");
  EXPECT_EQ(anz_molek, 10);
}

TEST_F(Pdb, StrukturtextUebergibtAnDerErstenAtomzeile) {
  std::string text = "HEADER    PROTEIN\nCOMPND    TEST\n" + atom(" N  ", 1, 2, 3) + atom(" C  ", 4, 5, 6) + "END\n";
  EXPECT_EQ(ausgabe_von([&] { aus_text(text, xyzeinlesen); }), "");
  ASSERT_EQ(anz_atome, 2);
  EXPECT_STREQ(atomliste[0].name, "N");
  EXPECT_DOUBLE_EQ(atomliste[0].p.z, 3);
}

}  // namespace
