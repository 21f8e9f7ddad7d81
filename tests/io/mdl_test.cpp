// MDL mol files: header lines, counts, atom and bond blocks, touching fixed-width fields.
#include <gtest/gtest.h>

#include <string>

#include "io/mdl.h"
#include "model/tabellen.h"
#include "testhilfe.h"

namespace {

struct Mdl : testing::Test {
  void SetUp() override { tabellen_leeren(); }
  bool lesen(const std::string& text, std::string* ausgabe = nullptr) {
    bool ok = false;
    std::string a = ausgabe_von([&] { aus_text(text, [&](FILE* fp) { ok = mdl_einlesen(fp); }); });
    if (ausgabe) *ausgabe = a;
    return ok;
  }
};

const char* const ethen =
    "Ethen\n"
    "  Marvin  01010000002D\n"
    "\n"
    "  2  1  0  0  0  0            999 V2000\n"
    "   -0.6650    0.0000    0.0000 C   0  0  0  0  0  0  0  0  0  0  0  0\n"
    "    0.6650    0.0000    1.5000 C   0  0  0  0  0  0  0  0  0  0  0  0\n"
    "  1  2  2  0  0  0  0\n"
    "M  END\n";

TEST_F(Mdl, MarvinDateiMitLeererDritterZeile) {
  std::string ausgabe;
  EXPECT_TRUE(lesen(ethen, &ausgabe));
  EXPECT_EQ(ausgabe, "");
  ASSERT_EQ(anz_atome, 2);
  EXPECT_STREQ(atomliste[1].name, "C");
  EXPECT_DOUBLE_EQ(atomliste[1].p.z, 1.5);  // z as in the file
  ASSERT_EQ(anz_bonds, 1);
  EXPECT_EQ(bondliste[0].n1, 0);
  EXPECT_EQ(bondliste[0].n2, 1);
  EXPECT_EQ(bondliste[0].strong, 2);
}

TEST_F(Mdl, KommentarInDerDrittenZeileIstKeineZaehlzeile) {
  std::string text = ethen;
  text.replace(text.find("\n\n"), 2, "\nein Kommentar\n");
  EXPECT_FALSE(lesen(text));
  EXPECT_EQ(anz_molek, 0);
}

TEST_F(Mdl, GetrennteFelderUndFehlendeTypen) {
  std::string ausgabe;
  EXPECT_TRUE(lesen("a\nb\n\n3 2\n; Kommentar\n1.0 2.0 3.0 O\n\n0 0 0 H\n0 0 1 Xyz\n1 2\n1 3 4\n", &ausgabe));
  EXPECT_EQ(ausgabe, "Fehlerhaftes Atom: \"Xyz\"\nWerte von Atom 'Xyz' auf Default gesetzt\n");
  EXPECT_EQ(anz_atome, 3);
  EXPECT_EQ(bondliste[0].strong, 1);
  EXPECT_EQ(bondliste[1].strong, 4);  // aromatic type 4 stays 4
  EXPECT_EQ(bondliste[1].n2, 2);
}

TEST_F(Mdl, UnvollstaendigeZeilen) {
  std::string ausgabe;
  EXPECT_TRUE(lesen("a\nb\n\n2 3\n1.0 2.0\n0 0 0 C\n1\n1 9 1\n-2147483648 1\n", &ausgabe));
  EXPECT_EQ(ausgabe,
            "Fehler in mdl_einlesen: zeile=\"1.0 2.0\"\n"
            "Werte von Atom '' auf Default gesetzt\n"
            "Fehler in mdl_einlesen: zeile=\"1\"\n"
            "Fehler: Atomnummer ausserhalb des Molekuels: zeile=\"1 9 1\"\n"
            "Fehler: Atomnummer ausserhalb des Molekuels: zeile=\"-2147483648 1\"\n");
  EXPECT_EQ(anz_bonds, 0);
}

TEST_F(Mdl, UnbrauchbareZaehlungen) {
  EXPECT_FALSE(lesen("a\nb\n"));
  EXPECT_FALSE(lesen("a\nb\n\n\n"));
  EXPECT_FALSE(lesen("a\nb\n\n0 0\n"));
  EXPECT_FALSE(lesen("a\nb\n\n5\n"));
  EXPECT_FALSE(lesen("a\nb\n\n1001 0\n"));
  EXPECT_FALSE(lesen("a\nb\n\n1 2001\n"));
  EXPECT_FALSE(lesen("a\nb\n\n1 -1\n"));
  EXPECT_EQ(anz_molek + anz_atome + anz_bonds, 0);
}

TEST_F(Mdl, AbgebrochenerBlockBleibtGelesen) {
  EXPECT_TRUE(lesen("a\nb\n\n3 1\n0 0 0 C\n"));
  EXPECT_EQ(anz_atome, 1);
  EXPECT_EQ(anz_bonds, 0);
}

TEST_F(Mdl, HoechstensZehnMolekuele) {
  for (int i = 0; i < 10; i++) ASSERT_TRUE(lesen("a\nb\n\n1 0\n0 0 0 H\n"));
  std::string ausgabe;
  EXPECT_FALSE(lesen("a\nb\n\n1 0\n0 0 0 H\n", &ausgabe));
  EXPECT_EQ(ausgabe, "zu viele Molekuele, auf 10 begrenzt\n");
}

// 100 atoms and 100 bonds: the counts touch, and so do atom numbers from 100 on.
TEST_F(Mdl, BeruehrendeFelderNachSpalten) {
  std::string text = "gross\n  Marvin\n\n100100  0  0  0  0            999 V2000\n";
  char zeile[100];
  for (int i = 0; i < 100; i++) {
    std::snprintf(zeile, sizeof zeile, "%10.4f%10.4f%10.4f C   0  0\n", -1000.5 - i, i * 1.0, -2000.25);
    text += zeile;
  }
  for (int i = 1; i <= 100; i++) {
    std::snprintf(zeile, sizeof zeile, "%3d%3d%3d  0\n", i, i % 100 + 1, i == 100 ? 2 : 1);
    text += zeile;
  }
  EXPECT_TRUE(lesen(text));
  ASSERT_EQ(anz_atome, 100);
  ASSERT_EQ(anz_bonds, 100);
  EXPECT_DOUBLE_EQ(atomliste[0].p.x, -1000.5);
  EXPECT_DOUBLE_EQ(atomliste[99].p.x, -1099.5);
  EXPECT_DOUBLE_EQ(atomliste[99].p.y, 99);
  EXPECT_DOUBLE_EQ(atomliste[99].p.z, -2000.25);
  EXPECT_EQ(bondliste[98].n1, 98);
  EXPECT_EQ(bondliste[98].n2, 99);
  EXPECT_EQ(bondliste[99].n1, 99);
  EXPECT_EQ(bondliste[99].n2, 0);
  EXPECT_EQ(bondliste[99].strong, 2);
}

}  // namespace
