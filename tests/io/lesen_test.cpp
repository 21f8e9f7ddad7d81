// The readers and writer of structure files, recognising the format by its first lines, and the command line.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstring>
#include <fstream>
#include <sstream>

#include "io/mdl.h"
#include "io/pdb.h"
#include "io/sniff.h"
#include "io/start.h"
#include "io/xyz.h"
#include "model/tabellen.h"
#include "testhilfe.h"

// A text and what reading it built: molecules "nr:first atom+atoms/bonds", atoms "name(x,y,z)", bonds "a-b:order".
struct Fall {
  std::string text, molekuele = "", atome = "", bindungen = "", meldung = "";
};

static Fall lesen(const std::string& text, const std::function<void(FILE*)>& leser) {
  tabellen_leeren();
  std::string meldung = ausgabe_von([&] { aus_text(text, leser); });
  std::ostringstream m, a, b;
  for (auto* x = molekuel; x < molekuel + anz_molek; x++)
    m << ' ' << x->nr << ':' << x->ia << '+' << x->natoms << '/' << x->nbonds;
  for (auto* x = atomliste; x < atomliste + anz_atome; x++)
    a << ' ' << x->name << '(' << x->p.x << ',' << x->p.y << ',' << x->p.z << ')';
  for (auto* x = bondliste; x < bondliste + anz_bonds; x++) b << ' ' << x->n1 << '-' << x->n2 << ':' << x->strong;
  auto liste = [](const std::ostringstream& s) { return s.str().substr(!s.str().empty()); };
  return {text, liste(m), liste(a), liste(b), meldung};
}

// Reads each text; what it printed, less the first ohne lines, and what it built are as the row says.
static void pruefen(const std::vector<Fall>& faelle, const std::function<void(FILE*)>& leser, int ohne = 0) {
  for (const Fall& soll : faelle) {
    Fall ist = lesen(soll.text, leser);
    for (int i = 0; i < ohne; i++) ist.meldung.erase(0, ist.meldung.find('\n') + 1);
    EXPECT_EQ(ist.meldung, soll.meldung) << soll.text.substr(0, 80);
    EXPECT_EQ(ist.molekuele, soll.molekuele);
    EXPECT_EQ(ist.atome, soll.atome);
    EXPECT_EQ(ist.bindungen, soll.bindungen);
  }
}

static std::string mal(int n, std::string s, std::string t = "") { return n > 1 ? s + t + mal(n - 1, s, t) : s; }

static const std::string ausserhalb = "Fehler: Atomnummer ausserhalb des Molekuels: zeile=";

// The line that reports the bonds found from the distances in molecule m.
static std::string erkannt(int m, int n) {
  return "Molekuel " + std::to_string(m) + ": " + std::to_string(n) + (n == 1 ? " Bindung" : " Bindungen") +
         " aus den Abstaenden erkannt\n";
}

// Structure text: z turned, faults reported, molecules placed 2.5 beside the others, none past the tables' limits.
TEST(Xyz, Lesen) {
  pruefen({{"; Kommentar\r\nTitel\r\n\r\n  2 1\r\n; zwischen den Atomen\r\n H 0 0 0\r\n\r\n H 0 0 0.74\r\n0 1\r\n",
            "0:0+2/1", "H(0,0,-0) H(0,0,-0.74)", "0-1:1"},
           {"1 -1\nH 1 2 3\n", "0:0+1/0", "H(1,2,-3)", "", "Fehler in xyz-Datei: \"1 -1\"\n"},
           // an atom that is not finite is left out with its bonds; bonds count the atom lines
           {"3 4\nC 0 0 0\nC nan 0 0\nC 0 0 1\n0 3\n7\n1 2\n2 0 2\n", "0:0+2/1", "C(0,0,-0) C(0,0,-1)", "1-0:2",
            "Fehler: Koordinate nicht endlich, Atom nicht gelesen: zeile=\"C nan 0 0\"\n" + ausserhalb +
                "\"0 3\"\nFehler: zeile=\"7\"\n"},
           {"2 0\nH 0 0 0" + std::string(192, ' ') + "H 0 0 5\n", "0:0+2/0", "H(0,0,-0) H(0,0,-5)"},  // cut at 199
           // to the PDB reader, which finds no bond
           {"Titel\nHETATM    1  O   HOH A   1 4 5 6\n", "0:0+1/0", "O(4,5,6)", "", erkannt(0, 0)},
           // the second block overlaps the first and is narrow in x: +x is the shortest way out, by 1 - 0 + 2.5
           {"molekuele=2\n2 0\nC -1 -3 -3\nC 1 3 3\n2 0\nC 0 -2 -2\nC 0.5 2 2\n", "0:0+2/0 1:2+2/0",
            "C(-1,-3,3) C(1,3,-3) C(3.5,-2,2) C(4,2,-2)"},
           {"molekuele=2\n1 0\nC 0 0 0\n1 0\nC 0.1 -20 0.2\n", "0:0+1/0 1:1+1/0", "C(0,0,-0) C(0.1,-2.5,-0.2)"},
           {"molekuele=2\n1000 0\n" + mal(1000, "H 0 0 0\n") + "1 0\nH 0 0 0\n", "0:0+1000/0",
            mal(1000, "H(0,0,-0)", " "), "", "zu viele Atome, auf 1000 begrenzt\n"},
           {"molekuele=2\n2 2000\nC 0 0 0\nC 0 0 1\n" + mal(2000, "0 1\n") + "2 1\nC 0 0 0\nC 0 0 1\n0 1\n",
            "0:0+2/2000", "C(0,0,-0) C(0,0,-1)", mal(2000, "0-1:1", " "), "zu viele Bindungen, auf 2000 begrenzt\n"}},
          xyzeinlesen);
  EXPECT_EQ(lesen("molekuele=11\n" + mal(11, "1 0\nH 0 0 0\n"), xyzeinlesen).meldung,
            "zu viele Molekuele, auf 10 begrenzt\n");
  EXPECT_EQ(anz_molek, 10);
  erwarte_nah(atomliste[9].p, {0, 0, -22.5});  // ties go along -z
}

// The writers: two letters a name, z turned back, bonds counted in their molecule, none that leads out of it.
TEST(Xyz, Schreiben) {
  const std::string cl = " Cl     1.000000    -2.500000     0.000000\n",
                    h = " H      0.000000     0.000000    -0.000000\n",
                    o = " O      0.000000     0.000000     1.000000\n";
  auto alles = [](int flag) { return geschrieben([=](FILE* fp) { alles_xyzspeichern(fp, nullptr, flag); }); };
  lesen("1 0\nCla 1 -2.5 1e-7\n", xyzeinlesen);
  ausgabe_von([] { aus_text("2 2\nH 0 0 -0\nO 0 0 1\n0 1 1.5\n1 0 4e9\n", xyzeinlesen); });
  bondliste[anz_bonds++].set(0, 1, 1, 0);  // leads out of molecule 0
  std::string datei;
  EXPECT_EQ(ausgabe_von([&] { datei = alles(-2); }), "Bindung 0-1 fuehrt aus Molekuel 0 heraus, nicht gespeichert\n");
  EXPECT_EQ(datei, "molekuele=2  ;Anzahl Molekuele in dieser Datei\n1  0\n" + cl + "2  2\n" + h + o +
                       "0 1 1.5\n1 0 4000000000\n");
  EXPECT_EQ(alles(-1), "3  3\n" + cl + h + o + "1 2 1.5\n2 1 4000000000\n0 1\n");
}

// An ATOM line in its columns; an element symbol goes to columns 77-78.
static std::string atom(const char* name, double x, double y, double z, const char* element = "") {
  char zeile[100];
  std::snprintf(zeile, sizeof zeile, "ATOM      1 %-4s ALA A   1    %8.3f%8.3f%8.3f  1.00  0.00          %s\n", name, x,
                y, z, element);
  return zeile;
}

// PDB: a molecule per chain, at most ten; the element from columns 77-78 or column 14; coordinates by column or word.
TEST(Pdb, Dateien) {
  auto pdb = [](FILE* fp) { pdb_einlesen(fp); };
  pruefen(
      {{atom("CL  ", 1, 1, 1, "CL") + atom("CA  ", 2, 2, 2, " C"), "0:0+2/1", "Cl(1,1,1) C(2,2,2)", "0-1:1",
        erkannt(0, 1)},
       {"TER\n" + atom(" N  ", 1, 2, 3) + atom(" CA ", 2, 3, 4) + "TER\nTER\n" + atom(" O  ", 5, 6, 7) + "TER\nEND\n",
        "0:0+2/1 1:2+1/0", "N(1,2,3) C(2,3,4) O(5,6,7)", "0-1:1", erkannt(0, 1) + erkannt(1, 0)},
       // OXT, the terminal oxygen, is left out; ENDMDL ends the file
       {"REMARK a\n" + atom("FE  ", 1, 1, 1) + atom(" OXT", 2, 2, 2) + "ENDMDL\n" + atom(" C  ", 3, 3, 3), "0:0+1/0",
        "E(1,1,1)", "",
        "unbekanntes Schluesselwort in pdb-Datei: \"REMARK a\"\nunbekanntes Atom 'E'\n" + erkannt(0, 0)},
       {atom(" C  ", -100.123, -200.5, -300.25) + "ATOM      3  O   ALA A   1 4 5 6\n", "0:0+2/0",
        "C(-100.123,-200.5,-300.25) O(4,5,6)", "", erkannt(0, 0)}},
      pdb);
  std::string zehn = "zu viele Molekuele, auf 10 begrenzt\n";
  for (int m = 0; m < 10; m++) zehn += erkannt(m, 0);
  EXPECT_EQ(lesen(mal(11, atom(" H  ", 0, 0, 0) + "TER\n"), pdb).meldung, zehn);
  EXPECT_EQ(anz_molek, 10);
}

static void mdl(FILE* fp) { std::fputs(mdl_einlesen(fp) ? "" : "abgelehnt\n", stdout); }

// MDL: fields by their columns, touching, or else by white space; faulty lines reported; counts out of range refused.
TEST(Mdl, Dateien) {
  pruefen({{"a\nb\n\n3 2\n; Kommentar\n1.0 2.0 3.0 O\n\n0 0 0 H\n0 0 1 N\n1 2\n1 3 4\n", "0:0+3/2",
            "O(1,2,3) H(0,0,0) N(0,0,1)", "0-1:1 0-2:4"},
           {"a\nb\n\n2 2\n1.0 2.0\n0 0 0 Cla\n0 1\n1 9\n", "0:0+2/0", "(1,2,0) Cla(0,0,0)", "",
            "Fehler in mdl_einlesen: zeile=\"1.0 2.0\"\nWerte von Atom '' auf Default gesetzt\nFehlerhaftes Atom: "
            "\"Cla\"\nWerte von Atom 'Cla' auf Default gesetzt\n" +
                ausserhalb + "\"0 1\"\n" + ausserhalb + "\"1 9\"\n"},
           {"a\nb\n\n100100\n" + mal(100, "-1000.5000-1000.0000-2000.2500 C\n") + mal(100, "100  1  2\n"),
            "0:0+100/100", mal(100, "C(-1000.5,-1000,-2000.25)", " "), mal(100, "99-0:2", " ")}},
          mdl);
  // a comment as third line and no V2000 line after it, no atoms, one count, too many atoms or bonds, bonds below 0
  for (const char* kopf : {"Kommentar\n  2  1\n", "\n0 0\n", "\n5\n", "\n1001 0\n", "\n1 2001\n", "\n1 -1\n"})
    pruefen({{"a\nb\n" + std::string(kopf), "", "", "", "abgelehnt\n"}}, mdl);
  tabellen_leeren();
  for (int i = 0; i < 10; i++) ausgabe_von([] { aus_text("a\nb\n\n1 0\n0 0 0 H\n", mdl); });
  EXPECT_EQ(ausgabe_von([] { aus_text("a\nb\n\n1 0\n0 0 0 H\n", mdl); }),
            "zu viele Molekuele, auf 10 begrenzt\nabgelehnt\n");
  EXPECT_EQ(anz_molek, 10);
}

// One molecule as plain XYZ (with an empty title), MDL and PDB: the same coordinates.
TEST(Sniff, DreiFormateEineLage) {
  const std::string lage = "O(0.1,0.2,0.3) H(1,0,-0.5)";
  EXPECT_EQ(lesen("2\n\nO 0.1 0.2 0.3\nH 1 0 -0.5\n", xyzeinlesen).atome, lage);
  EXPECT_EQ(lesen("a\nb\n\n  2  0\n    0.1000    0.2000    0.3000 O\n    1.0000    0.0000   -0.5000 H\n", mdl).atome,
            lage);
  EXPECT_EQ(lesen(atom(" O  ", 0.1, 0.2, 0.3) + atom(" H  ", 1, 0, -0.5), [](FILE* fp) { unbek_einlesen(fp); }).atome,
            lage);
}

static void sniff(FILE* fp) { std::fputs(unbek_einlesen(fp) ? "" : "abgelehnt\n", stdout); }

// Which reader takes a file, from its first four lines; files as Marvin, RDKit and the databases write them.
TEST(Sniff, Formate) {
  const std::string co = "C(0,0,0) O(1.2,0,0)", het =
                                                    "HETATM    1  C1  UNL     1       0.000   0.000   0.000\n"
                                                    "HETATM    2  O1  UNL     1       1.200   0.000   0.000\n";
  const std::string weg = "CONECT in pdb-Datei: 1 Verweise auf ungelesene Atome oder zwischen Molekuelen ignoriert\n";
  pruefen(
      {{"1\nH 0 0 1\n", "0:0+1/0", "H(0,0,-1)"},
       {"1\nwater\nO 0 0 1\n", "0:0+1/0", "O(0,0,1)", "", erkannt(0, 0)},  // plain XYZ: z as in the file
       {"2\nLattice=\"5 0 0\" Properties=species:S:1:pos:R:3\nO 0 0 1\nH 0 0 2 0.1\n", "0:0+2/1", "O(0,0,1) H(0,0,2)",
        "0-1:1", erkannt(0, 1)},
       {"molekuele=1\n1 0\nC 0 0 0\n", "0:0+1/0", "C(0,0,-0)"},
       {"Titel\nmolekuele=1\n1 0\nC 0 0 0\n", "0:0+1/0", "C(0,0,-0)"},
       {"Ethen\n  Marvin  01010000002D\n\n  2  1\n   -0.6650    0.0000    0.0000 C\n    0.6650    0.0000    1.5000 C\n"
        "  1  2  2\n",
        "0:0+2/1", "C(-0.665,0,0) C(0.665,0,1.5)", "0-1:2"},  // z as in the file
       {"ethene\n     RDKit          3D\nvon Hand\n  1  0  0  0  0  0  0  0  0  0999 V2000\n"
        "    1.3300    0.0000    0.0000 C   0  0\nM  END\n$$$$\nzwei\n\n\n  1  0  0  0  0  0  0  0  0  0999 V2000\n",
        "0:0+1/0", "C(1.33,0,0)"},  // SDF: the first molecule; a comment as third line
       // a pair listed twice from both sides is a double bond; a reference to no atom read is counted
       {"HEADER    TEST\n" + het + "CONECT    1    2    2    9\nCONECT    2    1    1\nEND\n", "0:0+2/1", co, "0-1:2",
        "unbekanntes Schluesselwort in pdb-Datei: \"HEADER    TEST\"\n" + weg},
       {het + "TER\n" + het + "CONECT 1 2\n", "0:0+2/1 1:2+2/0", co + " " + co, "0-1:1"},
       {het + "CONECT    1    2    2    2    2\n", "0:0+2/1", co, "0-1:3"}},
      sniff, 5);  // less the five lines that show the first four
  // no atoms, indented, bonds below 0, an MDL file without atoms, PDB record names without an atom record
  for (const char* text : {"0 1\nH 0 0 0\n", " 2 1\nH 0 0 0\n", "2 -1\nH 0 0 0\n", "Name\n  Marvin\n\n  0  0\n",
                           "TITLE Wasser\n1 0\nH 0 0 0\n", "HEADER\n\n\n\nREMARK\nEND\n"})
    pruefen({{text, "", "", "", "abgelehnt\n"}}, sniff, 5);
}

// What the start-up prints for the arguments, reading into empty tables.
static std::string quil(std::vector<std::string> argumente) {
  tabellen_leeren();
  std::memset(argflag, 0, sizeof argflag);
  std::vector<char*> argv{nullptr};  // the program name is not read
  for (std::string& a : argumente) argv.push_back(&a[0]);
  return ausgabe_von([&] { kommandozeile_ausfuehren(static_cast<int>(argv.size()), argv.data()); });
}

// What the program itself prints, then "|" and its exit status.
static std::string programm(const std::string& argumente) {
  FILE* p = popen((QUIL_BINARY " " + argumente + " 2>&1").c_str(), "r");
  std::string ausgabe(4096, '\0');
  ausgabe.resize(std::fread(&ausgabe[0], 1, ausgabe.size(), p));
  return ausgabe + "|" + std::to_string(pclose(p));
}

// Up to three files, the first sniffed unless named ".xyz"; names too long refused; usage for four names or --help.
TEST(Kommandozeile, DateienUndAnwendung) {
  Arbeitsverzeichnis hier;  // ending the program in it fails
  std::atexit([] {
    if (char d[64]; getcwd(d, sizeof d) && std::strstr(d, "quil-test-")) std::_Exit(1);
  });
  const std::string lang(80, 'n'),
      passt = std::string(75, 'n') + ".xyz", zu_lang = "Dateiname zu lang (hoechstens 79 Zeichen): \"" + lang + "\"\n",
      gesucht = "versuche unbekanntes Format zu lesen:\nzeile1=\"1 0\"\nzeile2=\"H 0 0 0\"\nzeile3=\"\"\nzeile4=\"\"\n";
  for (const char* name : {"h.xyz", "h.dat"}) std::ofstream(name) << "1 0\nH 0 0 0\n";
  std::ofstream("Alanin.xyz") << "kaputt\n";  // so that reading the default file shows
  const std::string anwendung =
      "quil Version 0.8\nAnwendung: quil [-Flags] [Quellname1] [Quellname2] [Quellname3]\n"
      "  Flags: u=unbekanntes Format suchen\n|0";
  EXPECT_EQ(quil({}), "Fehler in xyzeinlesen(): keine Atome\n");
  EXPECT_EQ(quil({"h.dat", "h.dat", "h.xyz"}), gesucht + "h.dat eingelesen\nh.dat eingelesen\nh.xyz eingelesen\n");
  EXPECT_EQ(anz_molek, 3);  // read, not only reported
  EXPECT_EQ(quil({"-u", "h.xyz"}), gesucht + "h.xyz eingelesen\n");
  EXPECT_EQ(quil({lang, "h.xyz"}), zu_lang + "h.xyz eingelesen\n");  // as a name that does not open
  EXPECT_EQ(quil({passt, lang}), zu_lang + "konnte \"" + passt + "\" nicht oeffnen\n");
  EXPECT_STREQ(startfehler, ("konnte \"" + passt + "\" nicht oeffnen\n").c_str());  // shown when the window opens
  EXPECT_EQ(quil({"Alanin.xyz"}), "Fehler in xyzeinlesen(): keine Atome\nkeine Atome in \"Alanin.xyz\" gefunden\n");
  for (const char* argumente : {"a b c d", "--help"}) EXPECT_EQ(programm(argumente), anwendung) << argumente;
  std::remove("Alanin.xyz");
  EXPECT_EQ(quil({}), "kann \"Alanin.xyz\" nicht oeffnen.\n");
}
