// The structure text format: exact output, read-back, line rules, limits and placement.
#include <gtest/gtest.h>

#include <string>

#include "io/xyz.h"
#include "model/tabellen.h"
#include "testhilfe.h"

namespace {

struct Xyz : testing::Test {
  void SetUp() override { tabellen_leeren(); }

  std::string lesen(const std::string& text) {
    return ausgabe_von([&] { aus_text(text, xyzeinlesen); });
  }
  std::string alles(int flag = -2) {
    std::string datei;
    ausgabe_von([&] { datei = geschrieben([&](FILE* fp) { alles_xyzspeichern(fp, "x.xyz", flag); }); });
    return datei;
  }
};

const char* const zwei_molekuele =
    "molekuele=2  ;Anzahl Molekuele in dieser Datei\n"
    "3  2\n"
    " C      0.000000     0.000000     0.000000\n"
    " Cl     1.770000     0.000000     0.000000\n"
    " e     -0.500000     0.250000    -0.125000\n"
    "0 1\n"
    "0 2 1.5\n"
    "2  1\n"
    " N      0.123456    -1.000000     2.500000\n"
    " O      1.000000     1.000000     1.000000\n"
    "0 1 2\n";

TEST_F(Xyz, AtomzeileUndZaehlzeileImFestenFormat) {
  anz_molek = 1;
  molekuel[0].init(0, 3, 2);
  Vektor3d a(1, 2, 3), b(-1.25, 1e-7, 0), c(0, 0, -0.5);
  molekuel[0].addatom("C", a);
  ausgabe_von([&] { molekuel[0].addatom("Cla", b); });
  molekuel[0].addatom("H", c);
  molekuel[0].addbond(0, 1, 1);
  molekuel[0].addbond(0, 2, 3);
  EXPECT_EQ(alles(),
            "3  2\n"
            " C      1.000000     2.000000    -3.000000\n"
            " Cl    -1.250000     0.000000    -0.000000\n"
            " H      0.000000     0.000000     0.500000\n"
            "0 1\n"
            "0 2 3\n");
}

TEST_F(Xyz, BindungszeileNachOrdnung) {
  auto zeile = [](float o) { return geschrieben([o](FILE* fp) { fprintf_bindung(fp, 4, 7, o); }); };
  EXPECT_EQ(zeile(1), "4 7\n");
  EXPECT_EQ(zeile(2), "4 7 2\n");
  EXPECT_EQ(zeile(3), "4 7 3\n");
  EXPECT_EQ(zeile(1.5f), "4 7 1.5\n");
  EXPECT_EQ(zeile(1.25f), "4 7 1.2\n");
  EXPECT_EQ(zeile(4e9f), "4 7 4000000000\n");
}

TEST_F(Xyz, GeschriebenesLiestSichGleichZurueck) {
  EXPECT_EQ(lesen(zwei_molekuele), "");
  std::string erste = alles();
  tabellen_leeren();
  EXPECT_EQ(lesen(erste), "");
  EXPECT_EQ(alles(), erste);
  ASSERT_EQ(anz_molek, 2);
  EXPECT_EQ(anz_atome, 5);
  EXPECT_EQ(anz_bonds, 3);
  EXPECT_STREQ(atomliste[1].name, "Cl");
  EXPECT_STREQ(atomliste[2].name, "e");
  EXPECT_EQ(atomliste[2].p.z, 0.125);
  EXPECT_EQ(bondliste[1].strong, 1.5f);
  EXPECT_EQ(bondliste[2].strong, 2);
  EXPECT_EQ(bondliste[2].n1, 3);
  EXPECT_EQ(bondliste[2].molekuelnr, 1);
}

TEST_F(Xyz, AllesAlsEinMolekuelBehaeltBindungenZwischenMolekuelen) {
  lesen(zwei_molekuele);
  bondliste[anz_bonds].set(1, 4, 1, 0);
  anz_bonds++;
  std::string meldung;
  std::string datei = geschrieben([&](FILE* fp) {
    meldung = ausgabe_von([&] { alles_xyzspeichern(fp, "eins.xyz", -1); });
  });
  EXPECT_EQ(meldung, "Alles als einziges Molekuel in \"eins.xyz\" gespeichert.\n");
  tabellen_leeren();
  lesen(datei);
  EXPECT_EQ(anz_molek, 1);
  EXPECT_EQ(anz_atome, 5);
  EXPECT_EQ(anz_bonds, 4);
  EXPECT_EQ(bondliste[3].n2, 4);
}

TEST_F(Xyz, EinzelnesMolekuelZaehltNurSeineBindungen) {
  lesen(zwei_molekuele);
  bondliste[anz_bonds].set(1, 4, 1, 0);  // leads out of molecule 0
  anz_bonds++;
  std::string meldung;
  std::string datei = geschrieben([&](FILE* fp) {
    meldung = ausgabe_von([&] { molekuel_xyzspeichern(0, fp, "m0.xyz"); });
  });
  EXPECT_EQ(meldung,
            "Bindung 1-4 fuehrt aus Molekuel 0 heraus, nicht gespeichert\n"
            "Molekuel 0 als \"m0.xyz\" gespeichert.\n");
  EXPECT_EQ(datei.substr(0, 5), "3  2\n");
  EXPECT_EQ(datei.substr(datei.size() - 12), "0 1\n0 2 1.5\n");
  std::string zweites = geschrieben([](FILE* fp) { molekuel_xyzspeichern(1, fp, nullptr); });
  EXPECT_EQ(zweites.substr(zweites.size() - 6), "0 1 2\n");
  std::string gesamt;
  EXPECT_EQ(ausgabe_von([&] { gesamt = geschrieben([](FILE* fp) { alles_xyzspeichern(fp, "a.xyz", -2); }); }),
            "Bindung 1-4 fuehrt aus Molekuel 0 heraus, nicht gespeichert\n"
            "Alle Molekuele in \"a.xyz\" gespeichert.\n");
  EXPECT_EQ(gesamt.substr(0, 10), "molekuele=");
}

TEST_F(Xyz, KommentareLeerzeilenUndCrLf) {
  EXPECT_EQ(lesen("; Kommentar\r\n"
                  "Titelzeile\r\n"
                  "\r\n"
                  "  2 1\r\n"
                  "; zwischen den Atomen\r\n"
                  " H 0 0 0\r\n"
                  "\r\n"
                  " H 0 0 0.74\r\n"
                  "0 1\r\n"),
            "");
  EXPECT_EQ(anz_atome, 2);
  EXPECT_EQ(anz_bonds, 1);
  EXPECT_STREQ(atomliste[1].name, "H");
  EXPECT_EQ(atomliste[1].p.z, -0.74);
}

TEST_F(Xyz, ZeileAusLeerzeichenIstEinFehlerhaftesAtom) {
  EXPECT_EQ(lesen("2 0\nC 1 2 3\n   \n"),
            "Fehler: zeile=\"   \"\nWerte von Atom '' auf Default gesetzt\n");
  EXPECT_EQ(anz_atome, 2);
  EXPECT_EQ(lesen("1 0\nNa 1 2\n"), "Fehler: zeile=\"Na 1 2\"\n");
}

TEST_F(Xyz, DreibuchstabigerNameWirdMitZweiZurueckgeschrieben) {
  EXPECT_EQ(lesen("1 0\nCla 0 0 0\n"),
            "Fehlerhaftes Atom: \"Cla\"\nWerte von Atom 'Cla' auf Default gesetzt\n");
  EXPECT_EQ(alles().substr(5, 4), " Cl ");
}

TEST_F(Xyz, LetzteZeileOhneZeilenendeGehtVerloren) {
  lesen("2 2\nC 0 0 0\nO 0 0 1.2\n0 1 2\n1 0");
  EXPECT_EQ(anz_molek, 1);
  EXPECT_EQ(anz_bonds, 1);
  EXPECT_EQ(bondliste[0].strong, 2);
}

TEST_F(Xyz, AbgebrocheneDateiHinterlaesstKeineLeerenPlaetze) {
  lesen("3 2\nC 0 0 0\nC 0 0 1.5\n");
  EXPECT_EQ(anz_atome, 2);
  EXPECT_EQ(anz_bonds, 0);
  EXPECT_EQ(molekuel[0].natoms, 2);
  lesen("4 0\n");
  EXPECT_EQ(anz_molek, 1);
  EXPECT_EQ(anz_atome, 2);
}

TEST_F(Xyz, KopfzeilenMitMolekuelzahl) {
  EXPECT_EQ(lesen("molekuele=2\n; noch ein Kommentar\n1 0\nH 0 0 0\n1 0\nH 0 0 0\n"), "");
  EXPECT_EQ(anz_molek, 2);
  tabellen_leeren();
  EXPECT_EQ(lesen("mol\n1 0\nH 0 0 0\n1 0\nH 0 0 0\n"), "Fehler in xyz-Datei: \"mol\"\n");
  EXPECT_EQ(anz_molek, 1);
  tabellen_leeren();
  EXPECT_EQ(lesen("koordinatensystem=3\n  molekuele=-2\n1 0\nH 0 0 0\n1 0\nH 0 0 0\n"), "");
  EXPECT_EQ(anz_molek, 2);
  tabellen_leeren();
  EXPECT_EQ(lesen("molekuele=3\n1 0\nH 0 0 0\n"), "Fehler in xyzeinlesen(): keine Atome\n");
  EXPECT_EQ(anz_molek, 1);
}

TEST_F(Xyz, ZaehlzeileMitNurEinerZahlHeisstKeineBindungen) {
  EXPECT_EQ(lesen("2\nH 0 0 0\nH 0 0 1\n"), "");
  EXPECT_EQ(anz_atome, 2);
  EXPECT_EQ(anz_bonds, 0);
}

TEST_F(Xyz, DateiOhneZaehlzeileFuegtNichtsHinzu) {
  EXPECT_EQ(lesen("; nur ein Kommentar\nTitel\n"), "Fehler in xyzeinlesen(): keine Atome\n");
  EXPECT_EQ(lesen(""), "Fehler in xyzeinlesen(): keine Atome\n");
  EXPECT_EQ(anz_molek, 0);
  EXPECT_EQ(lesen("0 0\n"), "Fehler in xyzeinlesen(): keine Atome\n");
  EXPECT_EQ(anz_molek + anz_atome, 0);
}

TEST_F(Xyz, FehlerhafteBindungszeilenWerdenUebersprungen) {
  EXPECT_EQ(lesen("2 4\nC 0 0 0\nC 0 0 1\n0 2\n-1 1\n7\n1 0 2\n"),
            "Fehler: Atomnummer ausserhalb des Molekuels: zeile=\"0 2\"\n"
            "Fehler: Atomnummer ausserhalb des Molekuels: zeile=\"-1 1\"\n"
            "Fehler: zeile=\"7\"\n");
  ASSERT_EQ(anz_bonds, 1);
  EXPECT_EQ(bondliste[0].n1, 1);
  EXPECT_EQ(bondliste[0].strong, 2);
}

TEST_F(Xyz, UeberlangeZeilenUndWoerterBleibenInIhrenPuffern) {
  std::string lang(500, 'W');
  lesen("1 0\n" + lang + " 1 2 3\n");
  EXPECT_EQ(anz_atome, 1);
  EXPECT_STREQ(atomliste[0].name, "WWW");
  EXPECT_EQ(lesen("1 0\nH 1 2 3\n99999999999999999999 1\n"), "");
  EXPECT_EQ(lesen("99999999999999999999 99999999999999999999\n"), "zu viele Atome, auf 1000 begrenzt\n");
  EXPECT_EQ(lesen("1 -5\nH 1 2 3\n"), "Fehler in xyz-Datei: \"1 -5\"\n");
  EXPECT_EQ(anz_bonds, 0);
}

std::string atome(int n) {
  std::string text = std::to_string(n) + " 0\n";
  for (int i = 0; i < n; i++) text += "H 0 0 " + std::to_string(i) + "\n";
  return text;
}

TEST_F(Xyz, GrenzenDerTabellen) {
  EXPECT_EQ(lesen(atome(1000)), "");
  EXPECT_EQ(anz_atome, 1000);
  tabellen_leeren();
  EXPECT_EQ(lesen(atome(999) + atome(2)), "");  // the second block is not announced
  EXPECT_EQ(lesen(atome(2)), "zu viele Atome, auf 1000 begrenzt\n");
  EXPECT_EQ(anz_atome, 999);
  EXPECT_EQ(anz_molek, 1);

  tabellen_leeren();
  std::string bindungen = "2 2000\nC 0 0 0\nC 0 0 1.5\n";
  for (int i = 0; i < 2000; i++) bindungen += "0 1\n";
  EXPECT_EQ(lesen(bindungen), "");
  EXPECT_EQ(anz_bonds, 2000);
  EXPECT_EQ(lesen("2 1\nC 0 0 0\nC 0 0 1\n0 1\n"), "zu viele Bindungen, auf 2000 begrenzt\n");
  EXPECT_EQ(anz_molek, 1);

  tabellen_leeren();
  std::string elf = "molekuele=11\n";
  for (int i = 0; i < 11; i++) elf += "1 0\nH 0 0 0\n";
  EXPECT_EQ(lesen(elf), "zu viele Molekuele, auf 10 begrenzt\n");
  EXPECT_EQ(anz_molek, 10);
  EXPECT_EQ(anz_atome, 10);
}

TEST_F(Xyz, UeberlappendesMolekuelRuecktAufKleinstemWeg) {
  // the second block overlaps the first; it is narrow in x, so +x is the shortest way out
  lesen("molekuele=2\n"
        "2 0\nC -1 -3 -3\nC 1 3 3\n"
        "2 0\nC 0 -2 -2\nC 0.5 2 2\n");
  // P(x) = 1 - 0 + 2.5 = 3.5 is the smallest of the six moves
  EXPECT_DOUBLE_EQ(atomliste[2].p.x, 3.5);
  EXPECT_DOUBLE_EQ(atomliste[3].p.x, 4.0);
  EXPECT_DOUBLE_EQ(atomliste[2].p.y, -2);
  // a block already far away on -y is pulled back to a gap of 2.5
  tabellen_leeren();
  lesen("molekuele=2\n"
        "1 0\nC 0 0 0\n"
        "1 0\nC 0.1 -20 0.2\n");
  EXPECT_DOUBLE_EQ(atomliste[1].p.y, -2.5);
  EXPECT_DOUBLE_EQ(atomliste[1].p.x, 0.1);
}

TEST_F(Xyz, GleicheKopienRueckenEntlangMinusZ) {
  std::string block = "3 0\nC 0 0 0\nC 1 0 0.5\nC 0 1 2\n";
  lesen(block);
  lesen(block);
  ASSERT_EQ(anz_molek, 2);
  // internal z of the block spans -2 .. 0; the copy moves by -(0 - (-2) + 2.5) = -4.5
  EXPECT_DOUBLE_EQ(atomliste[3].p.z, -4.5);
  EXPECT_DOUBLE_EQ(atomliste[5].p.z, -6.5);
  EXPECT_DOUBLE_EQ(atomliste[4].p.x, 1);
}

}  // namespace
