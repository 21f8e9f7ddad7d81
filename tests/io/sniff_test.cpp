// Recognising file formats by their first lines.
#include <gtest/gtest.h>

#include <string>

#include "io/sniff.h"
#include "model/tabellen.h"
#include "testhilfe.h"

namespace {

struct Sniff : testing::Test {
  void SetUp() override { tabellen_leeren(); }
  bool lesen(const std::string& text, std::string* ausgabe = nullptr) {
    bool ok = false;
    std::string a = ausgabe_von([&] { aus_text(text, [&](FILE* fp) { ok = unbek_einlesen(fp); }); });
    if (ausgabe) *ausgabe = a;
    return ok;
  }
};

TEST_F(Sniff, ZeigtDieErstenVierZeilen) {
  std::string ausgabe;
  EXPECT_FALSE(lesen("eins\nzwei\n", &ausgabe));
  EXPECT_EQ(ausgabe,
            "versuche unbekanntes Format zu lesen:\n"
            "zeile1=\"eins\"\nzeile2=\"zwei\"\nzeile3=\"\"\nzeile4=\"\"\n");
  EXPECT_EQ(anz_molek, 0);
}

TEST_F(Sniff, ZaehlzeileHeisstStrukturtext) {
  EXPECT_TRUE(lesen("2 1\nH 0 0 0\nH 0 0 0.74\n0 1\n"));
  EXPECT_EQ(anz_atome, 2);
  EXPECT_EQ(atomliste[1].p.z, -0.74);  // read as structure text: z flipped
  EXPECT_FALSE(lesen("0 1\nH 0 0 0\n"));
  EXPECT_FALSE(lesen(" 2 1\nH 0 0 0\nH 0 0 0.74\n"));
  EXPECT_FALSE(lesen("2 -1\nH 0 0 0\n"));
  EXPECT_FALSE(lesen("2\nH 0 0 0\nH 0 0 1\n"));
}

TEST_F(Sniff, MolekuelzeileInZeileEinsOderZwei) {
  EXPECT_TRUE(lesen("molekuele=1\n1 0\nC 0 0 0\n"));
  EXPECT_TRUE(lesen("Titel\nmolekuele=1\n1 0\nC 0 0 0\n"));
  EXPECT_EQ(anz_molek, 2);
}

TEST_F(Sniff, PdbNurMitAtomInZeileEins) {
  std::string atom = "ATOM      1  N   ALA A   1       1.000   2.000   3.000  1.00  0.00\n";
  EXPECT_TRUE(lesen(atom + "END\n"));
  EXPECT_EQ(atomliste[0].p.z, 3);
  EXPECT_FALSE(lesen("HEADER    X\n" + atom + "END\n"));
  EXPECT_EQ(anz_atome, 1);
}

TEST_F(Sniff, MarvinInZeileZwei) {
  EXPECT_TRUE(lesen("Name\n   Marvin  0101\n\n  1  0\n    0.0000    0.0000    0.0000 N   0\n"));
  EXPECT_STREQ(atomliste[0].name, "N");
  EXPECT_FALSE(lesen("Name\n  Marvin\n\n  0  0\n"));
}

TEST(SniffDatei, NichtVorhandeneDatei) { EXPECT_FALSE(unbek_einlesen("/nicht/vorhanden.pdb")); }

}  // namespace
