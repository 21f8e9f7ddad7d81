// The command line: sorting the arguments, usage, and which files are read and how.
#include <unistd.h>

#include <cstring>
#include <fstream>

#include "io/start.h"
#include "lesen.h"

// What the start-up prints for the arguments, then "|" and the number of molecules read into empty tables.
static std::string quil(std::vector<std::string> argumente) {
  tabellen_leeren();
  std::memset(argflag, 0, sizeof argflag);
  std::vector<char*> argv{nullptr};  // the program name is not read
  for (std::string& a : argumente) argv.push_back(&a[0]);
  std::string ausgabe = ausgabe_von([&] { kommandozeile_ausfuehren(static_cast<int>(argv.size()), argv.data()); });
  return ausgabe + "|" + std::to_string(anz_molek);
}

// What the program itself prints, then "|" and its exit status.
static std::string programm(const std::string& argumente) {
  FILE* p = popen((QUIL_BINARY " " + argumente + " 2>&1").c_str(), "r");
  std::string ausgabe(4096, '\0');
  ausgabe.resize(std::fread(&ausgabe[0], 1, ausgabe.size(), p));
  return ausgabe + "|" + std::to_string(pclose(p));
}

TEST(Kommandozeile, DateienUndAnwendung) {
  char vorher[4096], verzeichnis[] = "/tmp/quil_startXXXXXX";  // scratch directory; ending the program in it fails
  ASSERT_TRUE(getcwd(vorher, sizeof vorher) && mkdtemp(verzeichnis) && chdir(verzeichnis) == 0);
  std::atexit([] { if (char d[64]; getcwd(d, sizeof d) && std::strstr(d, "quil_start")) std::_Exit(1); });
  const std::string pdb = "ATOM      1  N   ALA A   1       1.000   2.000   3.000  1.00  0.00", lang(80, 'n'),
                    passt(75, 'n'), zu_lang = "Dateiname zu lang (hoechstens 79 Zeichen): \"" + lang + "\"\n",
                    suche = "versuche unbekanntes Format zu lesen:\nzeile1=\"",
                    suche_h2 = suche + "2 1\"\nzeile2=\"H 0 0 0\"\nzeile3=\"H 0 0 0.74\"\nzeile4=\"0 1\"\n";
  for (const char* name : {"h2.xyz", "h2.dat", "h2.xyz.alt"}) std::ofstream(name) << "2 1\nH 0 0 0\nH 0 0 0.74\n0 1\n";
  std::ofstream("p.pdb") << pdb << "\nEND\n";
  std::ofstream("Alanin.xyz") << "kaputt\n";  // so that reading it shows
  for (const auto& [argumente, erwartet] : std::vector<std::pair<std::vector<std::string>, std::string>>{
           {{}, "Fehler in xyzeinlesen(): keine Atome\n|0"},  // the default file
           {{"h2.xyz", "h2.xyz", "h2.xyz"}, "h2.xyz eingelesen\nh2.xyz eingelesen\nh2.xyz eingelesen\n|3"},
           // only the first name is sniffed; the second is structure text, which hands ATOM lines to the PDB reader
           {{"p.pdb", "p.pdb"}, suche + pdb + "\"\nzeile2=\"END\"\nzeile3=\"\"\nzeile4=\"\"\n"
                                              "p.pdb eingelesen\np.pdb eingelesen\n|2"},
           {{"h2.dat"}, suche_h2 + "h2.dat eingelesen\n|1"},  // a name without ".xyz" is sniffed
           {{"-u", "h2.xyz"}, suche_h2 + "h2.xyz eingelesen\n|1"}, {{"h2.xyz.alt"}, "h2.xyz.alt eingelesen\n|1"},
           {{"fehlt.dat"}, "Fileformat von \"fehlt.dat\" nicht erkannt\n|0"},
           {{""}, "Fehler in xyzeinlesen(): keine Atome\n|0"},  // an empty first name: the default file
           {{lang, "h2.xyz"}, zu_lang + "h2.xyz eingelesen\n|1"},  // as a name that does not open
           {{passt + ".xyz", lang}, zu_lang + "konnte \"" + passt + ".xyz\" nicht oeffnen\n|0"}})
    EXPECT_EQ(quil(argumente), erwartet) << argumente.size();
  // usage, on standard output before any window opens, for "?" in a flag word or more than three names
  for (const char* argumente : {"-?", "?", "-x?", "a b c d", "-u ?x"})
    EXPECT_EQ(programm(argumente), "quil Version 0.8\nAnwendung: quil [-Flags] [Quellname1] [Quellname2] [Quellname3]\n"
                                   "  Flags: u=unbekanntes Format suchen\n|0") << argumente;
  std::remove("Alanin.xyz");
  EXPECT_EQ(quil({}), "kann \"Alanin.xyz\" nicht oeffnen.\n|0");
  EXPECT_EQ(chdir(vorher), 0);
  std::system((std::string("rm -rf ") + verzeichnis).c_str());
}
