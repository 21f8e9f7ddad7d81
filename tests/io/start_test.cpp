// The command line: the built program is run in a scratch directory and its output compared.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "io/start.h"

namespace {

struct Lauf {
  std::string ausgabe;
  int status;
};

struct Kommandozeile : testing::Test {
  std::string verzeichnis;

  void SetUp() override {
    char muster[] = "/tmp/quil_startXXXXXX";
    ASSERT_NE(mkdtemp(muster), nullptr);
    verzeichnis = muster;
  }
  void TearDown() override { std::system(("rm -rf " + verzeichnis).c_str()); }

  void datei(const std::string& name, const std::string& inhalt) {
    std::ofstream(verzeichnis + "/" + name) << inhalt;
  }
  Lauf quil(const std::string& argumente) {
    std::string befehl = "cd " + verzeichnis + " && " + QUIL_BINARY + " " + argumente + " 2>&1";
    FILE* p = popen(befehl.c_str(), "r");
    Lauf lauf{"", -1};
    char puffer[4096];
    std::size_t n;
    while ((n = std::fread(puffer, 1, sizeof puffer, p)) > 0) lauf.ausgabe.append(puffer, n);
    int s = pclose(p);
    lauf.status = WIFEXITED(s) ? WEXITSTATUS(s) : -1;
    return lauf;
  }
};

const char* const anwendung =
    "quil Version 0.8\n"
    "Anwendung: quil [-Flags] [Quellname1] [Quellname2] [Quellname3]\n"
    "  Flags: u=unbekanntes Format suchen\n";

const char* const wasserstoff = "2 1\nH 0 0 0\nH 0 0 0.74\n0 1\n";
const char* const pdb = "ATOM      1  N   ALA A   1       1.000   2.000   3.000  1.00  0.00\nEND\n";

TEST_F(Kommandozeile, AnwendungOhneEtwasZuLesen) {
  datei("Alanin.xyz", "kaputt\n");
  for (const char* a : {"-?", "?", "-x?", "a b c d", "-u ?x"}) {
    Lauf l = quil(a);
    EXPECT_EQ(l.ausgabe, anwendung) << a;
    EXPECT_EQ(l.status, 0) << a;
  }
}

TEST_F(Kommandozeile, StandarddateiLeiseOderFehlend) {
  Lauf fehlt = quil("");
  EXPECT_EQ(fehlt.ausgabe, "kann \"Alanin.xyz\" nicht oeffnen.\n");
  EXPECT_EQ(fehlt.status, 0);
  datei("Alanin.xyz", wasserstoff);
  EXPECT_EQ(quil("").ausgabe, "");
  EXPECT_EQ(quil("-u").ausgabe, "");
  EXPECT_EQ(quil("'' zweite.xyz").ausgabe, "");
}

TEST_F(Kommandozeile, DateienWerdenGelesenOderGemeldet) {
  datei("h2.xyz", wasserstoff);
  datei("p.pdb", pdb);
  datei("zweite.pdb", pdb);
  EXPECT_EQ(quil("h2.xyz fehlt.xyz").ausgabe, "h2.xyz eingelesen\nkonnte \"fehlt.xyz\" nicht oeffnen\n");
  EXPECT_EQ(quil("h2.xyz h2.xyz h2.xyz").ausgabe, "h2.xyz eingelesen\nh2.xyz eingelesen\nh2.xyz eingelesen\n");
  // the second file is structure text whatever its name; it hands its ATOM lines to the PDB reader
  EXPECT_EQ(quil("p.pdb zweite.pdb").ausgabe,
            std::string("versuche unbekanntes Format zu lesen:\nzeile1=\"") +
                "ATOM      1  N   ALA A   1       1.000   2.000   3.000  1.00  0.00" +
                "\"\nzeile2=\"END\"\nzeile3=\"\"\nzeile4=\"\"\np.pdb eingelesen\nzweite.pdb eingelesen\n");
}

TEST_F(Kommandozeile, FormatsucheFuerNamenOhneXyzOderMitU) {
  datei("h2.dat", wasserstoff);
  datei("text.xyz.alt", "unlesbar\n");
  std::string kopf = "versuche unbekanntes Format zu lesen:\nzeile1=\"2 1\"\nzeile2=\"H 0 0 0\"\n"
                     "zeile3=\"H 0 0 0.74\"\nzeile4=\"0 1\"\n";
  EXPECT_EQ(quil("h2.dat").ausgabe, kopf + "h2.dat eingelesen\n");
  datei("h2.xyz", wasserstoff);
  EXPECT_EQ(quil("-U h2.xyz").ausgabe, kopf + "h2.xyz eingelesen\n");
  EXPECT_EQ(quil("text.xyz.alt").ausgabe, "Fehler in xyzeinlesen(): keine Atome\ntext.xyz.alt eingelesen\n");
  EXPECT_EQ(quil("fehlt.dat").ausgabe, "Fileformat von \"fehlt.dat\" nicht erkannt\n");
}

TEST_F(Kommandozeile, ZuLangeNamenWerdenAbgelehnt) {
  std::string lang(80, 'n');
  datei("Alanin.xyz", wasserstoff);
  EXPECT_EQ(quil(lang).ausgabe, "Dateiname zu lang (hoechstens 79 Zeichen): \"" + lang + "\"\n");
  std::string passt(75, 'n');
  EXPECT_EQ(quil(passt + ".xyz").ausgabe, "konnte \"" + passt + ".xyz\" nicht oeffnen\n");
}

int flagge(char c) { return argflag[static_cast<int>(c)]; }

TEST(Flaggen, JedesZeichenZaehltGrossgeschrieben) {
  setargflags("-u?");
  EXPECT_EQ(flagge('U'), 1);
  EXPECT_EQ(flagge('?'), 1);
  EXPECT_EQ(flagge('-'), 1);
  EXPECT_EQ(flagge('u'), 0);
  setargflags("\xE4");
  EXPECT_EQ(argflag[0x64], 1);
}

}  // namespace
