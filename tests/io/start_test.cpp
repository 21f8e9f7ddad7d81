// The command line: sorting the arguments, usage, and which files are read and how.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "io/start.h"
#include "model/tabellen.h"
#include "testhilfe.h"

namespace {

// Runs the start-up in this process inside a scratch directory, from empty tables.
struct Kommandozeile : testing::Test {
  std::string verzeichnis;
  char vorher[4096];

  void SetUp() override {
    char muster[] = "/tmp/quil_startXXXXXX";
    ASSERT_NE(mkdtemp(muster), nullptr);
    verzeichnis = muster;
    ASSERT_NE(getcwd(vorher, sizeof vorher), nullptr);
    ASSERT_EQ(chdir(muster), 0);
    tabellen_leeren();
    std::memset(argflag, 0, sizeof argflag);
  }
  void TearDown() override {
    EXPECT_EQ(chdir(vorher), 0);
    std::system(("rm -rf " + verzeichnis).c_str());
  }

  void datei(const std::string& name, const std::string& inhalt) { std::ofstream(name) << inhalt; }
  std::string quil(std::vector<std::string> argumente) {
    argumente.insert(argumente.begin(), "quil");
    std::vector<char*> argv;
    for (std::string& a : argumente) argv.push_back(&a[0]);
    return ausgabe_von([&] { kommandozeile_ausfuehren(static_cast<int>(argv.size()), argv.data()); });
  }
};

const char* const wasserstoff = "2 1\nH 0 0 0\nH 0 0 0.74\n0 1\n";
const char* const pdb = "ATOM      1  N   ALA A   1       1.000   2.000   3.000  1.00  0.00\nEND\n";

using KommandozeileTod = Kommandozeile;

TEST_F(KommandozeileTod, AnwendungOhneEtwasZuLesen) {
  datei("Alanin.xyz", "kaputt\n");
  for (std::vector<std::string> a : {std::vector<std::string>{"-?"}, {"?"}, {"-x?"}, {"a", "b", "c", "d"}, {"-u", "?x"}})
    EXPECT_EXIT(quil(a), testing::ExitedWithCode(0), "") << a[0];
}

// The program itself: usage is printed on standard output before any window is opened.
TEST(Programm, AnwendungAufDerStandardausgabe) {
  FILE* p = popen(QUIL_BINARY " -x? 2>&1", "r");
  ASSERT_NE(p, nullptr);
  std::string ausgabe;
  char puffer[512];
  std::size_t n;
  while ((n = std::fread(puffer, 1, sizeof puffer, p)) > 0) ausgabe.append(puffer, n);
  int status = pclose(p);
  EXPECT_EQ(ausgabe,
            "quil Version 0.8\n"
            "Anwendung: quil [-Flags] [Quellname1] [Quellname2] [Quellname3]\n"
            "  Flags: u=unbekanntes Format suchen\n");
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
}

TEST_F(Kommandozeile, StandarddateiLeiseOderFehlend) {
  EXPECT_EQ(quil({}), "kann \"Alanin.xyz\" nicht oeffnen.\n");
  EXPECT_EQ(anz_molek, 0);
  datei("Alanin.xyz", wasserstoff);
  EXPECT_EQ(quil({}), "");
  EXPECT_EQ(quil({"-u"}), "");
  EXPECT_EQ(quil({"", "zweite.xyz"}), "");
  EXPECT_EQ(anz_molek, 3);
}

TEST_F(Kommandozeile, DateienWerdenGelesenOderGemeldet) {
  datei("h2.xyz", wasserstoff);
  datei("p.pdb", pdb);
  datei("zweite.pdb", pdb);
  EXPECT_EQ(quil({"h2.xyz", "fehlt.xyz"}), "h2.xyz eingelesen\nkonnte \"fehlt.xyz\" nicht oeffnen\n");
  EXPECT_EQ(quil({"h2.xyz", "h2.xyz", "h2.xyz"}), "h2.xyz eingelesen\nh2.xyz eingelesen\nh2.xyz eingelesen\n");
  EXPECT_EQ(anz_molek, 4);
  // the second file is structure text whatever its name; it hands its ATOM lines to the PDB reader
  EXPECT_EQ(quil({"p.pdb", "zweite.pdb"}),
            std::string("versuche unbekanntes Format zu lesen:\nzeile1=\"") +
                "ATOM      1  N   ALA A   1       1.000   2.000   3.000  1.00  0.00" +
                "\"\nzeile2=\"END\"\nzeile3=\"\"\nzeile4=\"\"\np.pdb eingelesen\nzweite.pdb eingelesen\n");
  EXPECT_EQ(anz_molek, 6);
}

TEST_F(Kommandozeile, FormatsucheFuerNamenOhneXyzOderMitU) {
  datei("h2.dat", wasserstoff);
  datei("text.xyz.alt", "unlesbar\n");
  std::string kopf = "versuche unbekanntes Format zu lesen:\nzeile1=\"2 1\"\nzeile2=\"H 0 0 0\"\n"
                     "zeile3=\"H 0 0 0.74\"\nzeile4=\"0 1\"\n";
  EXPECT_EQ(quil({"h2.dat"}), kopf + "h2.dat eingelesen\n");
  EXPECT_EQ(quil({"text.xyz.alt"}), "Fehler in xyzeinlesen(): keine Atome\ntext.xyz.alt eingelesen\n");
  EXPECT_EQ(quil({"fehlt.dat"}), "Fileformat von \"fehlt.dat\" nicht erkannt\n");
  datei("h2.xyz", wasserstoff);
  EXPECT_EQ(quil({"-U", "h2.xyz"}), kopf + "h2.xyz eingelesen\n");
}

TEST_F(Kommandozeile, ZuLangeNamenWerdenAbgelehnt) {
  std::string lang(80, 'n');
  datei("Alanin.xyz", wasserstoff);
  EXPECT_EQ(quil({lang}), "Dateiname zu lang (hoechstens 79 Zeichen): \"" + lang + "\"\n");
  EXPECT_EQ(anz_molek, 1);  // the first name is empty then: the default file is read
  std::string passt(75, 'n');
  EXPECT_EQ(quil({passt + ".xyz", lang}),
            "Dateiname zu lang (hoechstens 79 Zeichen): \"" + lang + "\"\nkonnte \"" + passt +
                ".xyz\" nicht oeffnen\n");
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
