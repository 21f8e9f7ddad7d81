// The readers and writer of structure files: structure text, PDB, MDL, recognising the format by its
// first lines, the command line, and the text helpers they share.
#include <gtest/gtest.h>
#include <unistd.h>

#include <climits>
#include <cstring>
#include <fstream>
#include <sstream>

#include "io/mdl.h"
#include "io/pdb.h"
#include "io/sniff.h"
#include "io/start.h"
#include "io/xyz.h"
#include "io/zeilen.h"
#include "model/tabellen.h"
#include "testhilfe.h"

// What leser prints, "|", the molecules "nr:first atom+atoms/bonds", atoms "name(x,y,z)", bonds "a-b:order" (<= 100).
inline std::string gelesen(const std::string& text, const std::function<void(FILE*)>& leser) {
  std::ostringstream s;
  s << ausgabe_von([&] { aus_text(text, leser); }) << '|';
  for (const Molekuel* m = molekuel; m < molekuel + anz_molek; m++)
    s << ' ' << m->nr << ':' << m->ia << '+' << m->natoms << '/' << m->nbonds;
  for (const Atomlist* a = atomliste; a < atomliste + anz_atome && anz_atome <= 100; a++)
    s << ' ' << a->name << '(' << a->p.x << ',' << a->p.y << ',' << a->p.z << ')';
  for (const Bondlist* b = bondliste; b < bondliste + anz_bonds && anz_bonds <= 100; b++)
    s << ' ' << b->n1 << '-' << b->n2 << ':' << b->strong;
  return s.str();
}

struct Fall {
  std::string name, text, erwartet;
};

// Reads each text into empty tables: what gelesen gives, less the first ohne lines printed, is erwartet.
inline void pruefen(const std::vector<Fall>& faelle, const std::function<void(FILE*)>& leser, int ohne = 0) {
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.name);
    tabellen_leeren();
    std::string ausgabe = gelesen(f.text, leser);
    for (int i = 0; i < ohne; i++) ausgabe.erase(0, ausgabe.find('\n') + 1);
    EXPECT_EQ(ausgabe, f.erwartet);
  }
}

TEST(Xyz, Lesen) {
  const std::string zwei_h = "1 0\nH 0 0 0\n1 0\nH 0 0 0\n", w(199, 'W');
  std::string bindungen = "2 2000\nC 0 0 0\nC 0 0 1.5\n", elf = "molekuele=11\n", h1000;
  for (int i = 0; i < 2000; i++) bindungen += "0 1\n";
  for (int i = 0; i < 11; i++) elf += "1 0\nH 0 0 0\n";
  for (int i = 0; i < 1000; i++) h1000 += "H 0 0 0\n";
  pruefen({{"Kommentare, Leerzeilen, CR LF; z umgekehrt",
            "; Kommentar\r\nTitel\r\n\r\n  2 1\r\n; zwischen den Atomen\r\n H 0 0 0\r\n\r\n H 0 0 0.74\r\n0 1\r\n",
            "| 0:0+2/1 H(0,0,-0) H(0,0,-0.74) 0-1:1"},
           {"drei Buchstaben, Zeile aus Leerzeichen, ohne z", "3 0\nCla 1 2 3\n   \nNa 1 2\n",
            "Fehlerhaftes Atom: \"Cla\"\nWerte von Atom 'Cla' auf Default gesetzt\nFehler: zeile=\"   \"\n"
            "Werte von Atom '' auf Default gesetzt\nFehler: zeile=\"Na 1 2\"\n"
            "| 0:0+3/0 Cla(1,2,-3) (0,0,-0) Na(1,2,-0)"},
           {"ueberlange Zeile", "1 0\n" + w + "WWW 1 2 3\n",
            "Fehler: zeile=\"" + w + "\"\nFehlerhaftes Atom: \"" + w +
                "\"\nWerte von Atom 'WWW' auf Default gesetzt\n"
                "| 0:0+1/0 WWW(0,0,-0)"},
           {"letzte Zeile ohne Zeilenende geht verloren", "2 2\nC 0 0 0\nO 0 0 1.2\n0 1 2\n1 0",
            "| 0:0+2/1 C(0,0,-0) O(0,0,-1.2) 0-1:2"},
           {"Zaehlzeile mit nur einer Zahl", "2\nH 0 0 0\nH 0 0 1\n", "| 0:0+2/0 H(0,0,-0) H(0,0,-1)"},
           {"HETATM: an den PDB-Leser", "Titel\nHETATM    1  O   HOH A   1 4 5 6\n", "| 0:0+1/0 O(4,5,6)"},
           {"negative Bindungszahl", "1 -5\nH 1 2 3\n", "Fehler in xyz-Datei: \"1 -5\"\n| 0:0+1/0 H(1,2,-3)"},
           {"fehlerhafte Bindungszeilen", "2 4\nC 0 0 0\nC 0 0 1\n0 2\n-1 1\n7\n1 0 2\n",
            "Fehler: Atomnummer ausserhalb des Molekuels: zeile=\"0 2\"\nFehler: Atomnummer ausserhalb des Molekuels: "
            "zeile=\"-1 1\"\nFehler: zeile=\"7\"\n| 0:0+2/1 C(0,0,-0) C(0,0,-1) 1-0:2"},
           // other header lines and comments are skipped; the sign of the number of molecules does not count
           {"Kopf", "koordinaten=3\n; Kommentar\n  molekuele=-2\n" + zwei_h, "| 0:0+1/0 1:1+1/0 H(0,0,-0) H(0,0,-2.5)"},
           {"angekuendigtes Molekuel fehlt", "molekuele=3\n1 0\nH 0 0 0\n",
            "Fehler in xyzeinlesen(): keine Atome\n| 0:0+1/0 H(0,0,-0)"},
           {"1000 Atome und kein weiteres", "molekuele=2\n1000 0\n" + h1000 + "1 0\nH 0 0 0\n",
            "zu viele Atome, auf 1000 begrenzt\n| 0:0+1000/0"},
           {"2000 Bindungen und keine weitere", "molekuele=2\n" + bindungen + "2 1\nC 0 0 0\nC 0 0 1\n0 1\n",
            "zu viele Bindungen, auf 2000 begrenzt\n| 0:0+2/2000 C(0,0,-0) C(0,0,-1.5)"},
           {"hoechstens zehn Molekuele, bei gleichen Wegen entlang -z", elf,
            "zu viele Molekuele, auf 10 begrenzt\n| 0:0+1/0 1:1+1/0 2:2+1/0 3:3+1/0 4:4+1/0 5:5+1/0 6:6+1/0 7:7+1/0"
            " 8:8+1/0 9:9+1/0 H(0,0,-0) H(0,0,-2.5) H(0,0,-5) H(0,0,-7.5) H(0,0,-10) H(0,0,-12.5) H(0,0,-15)"
            " H(0,0,-17.5) H(0,0,-20) H(0,0,-22.5)"},
           // the second block overlaps the first and is narrow in x: +x is the shortest way out, by 1 - 0 + 2.5
           {"Ueberlappendes: kleinster Weg", "molekuele=2\n2 0\nC -1 -3 -3\nC 1 3 3\n2 0\nC 0 -2 -2\nC 0.5 2 2\n",
            "| 0:0+2/0 1:2+2/0 C(-1,-3,3) C(1,3,-3) C(3.5,-2,2) C(4,2,-2)"},
           {"Fernes wird auf 2.5 herangezogen", "molekuele=2\n1 0\nC 0 0 0\n1 0\nC 0.1 -20 0.2\n",
            "| 0:0+1/0 1:1+1/0 C(0,0,-0) C(0.1,-2.5,-0.2)"}},
          xyzeinlesen);
}

TEST(Xyz, Schreiben) {
  auto schreiben = [](const std::function<void(FILE*)>& schreiber) {  // what is printed, "|", and the file
    std::string datei, meldung = ausgabe_von([&] { datei = geschrieben(schreiber); });
    return meldung + "|" + datei;
  };
  auto alles = [&](int flag) { return schreiben([=](FILE* fp) { alles_xyzspeichern(fp, "a.xyz", flag); }); };
  std::string cl = " Cl     1.000000    -2.500000     0.000000\n", m0 = "1  0\n" + cl,
              h = " H      0.000000     0.000000    -0.000000\n", o = " O      0.000000     0.000000     1.000000\n",
              heraus = "Bindung 0-1 fuehrt aus Molekuel 0 heraus, nicht gespeichert\n";
  tabellen_leeren();
  gelesen("1 0\nCla 1 -2.5 1e-7\n", xyzeinlesen);
  EXPECT_EQ(alles(-2), "Alle Molekuele in \"a.xyz\" gespeichert.\n|" + m0);  // one molecule: no header line
  gelesen("2 1\nH 0 0 -0\nO 0 0 1\n0 1 2\n", xyzeinlesen);
  bondliste[anz_bonds++].set(0, 1, 1, 0);  // leads out of molecule 0
  EXPECT_EQ(schreiben([](FILE* fp) { molekuel_xyzspeichern(0, fp, "m0.xyz"); }),
            heraus + "Molekuel 0 als \"m0.xyz\" gespeichert.\n|" + m0);
  EXPECT_EQ(alles(-2), heraus + "Alle Molekuele in \"a.xyz\" gespeichert.\n|" +
                           "molekuele=2  ;Anzahl Molekuele in dieser Datei\n" + m0 + "2  1\n" + h + o + "0 1 2\n");
  EXPECT_EQ(alles(-1), "Alles als einziges Molekuel in \"a.xyz\" gespeichert.\n|3  2\n" + cl + h + o + "1 2 2\n0 1\n");
  auto zeile = [](float ordnung) { return geschrieben([=](FILE* fp) { fprintf_bindung(fp, 4, 7, ordnung); }); };
  EXPECT_EQ(zeile(1) + zeile(2) + zeile(3) + zeile(1.5f) + zeile(1.25f) + zeile(4e9f),
            "4 7\n4 7 2\n4 7 3\n4 7 1.5\n4 7 1.2\n4 7 4000000000\n");
}

static std::string atom(const char* name, double x, double y, double z, const char* rest = "ALA A   1 ") {
  char zeile[100];
  std::snprintf(zeile, sizeof zeile, "ATOM      1 %-4s %s   %8.3f%8.3f%8.3f  1.00  0.00\n", name, rest, x, y, z);
  return zeile;
}

TEST(Pdb, Dateien) {
  std::string elf_ketten, zehn = "zu viele Molekuele, auf 10 begrenzt\n|", atome;
  for (int i = 0; i < 11; i++) elf_ketten += atom(" H  ", i, 0, 0) + "TER\n";
  for (int i = 0; i < 10; i++)  // each chain a molecule of one atom
    zehn += " " + std::to_string(i) + ":" + std::to_string(i) + "+1/0", atome += " H(" + std::to_string(i) + ",0,0)";
  pruefen({{"zwei Ketten, z wie in der Datei",
            atom(" N  ", 1, 2, 3) + atom(" CA ", 2, 3, 4) + "TER\n" + atom(" O  ", 5, 6, 7) + "TER\nEND\n",
            "| 0:0+2/0 1:2+1/0 N(1,2,3) C(2,3,4) O(5,6,7)"},
           {"nur Spalte 14 benennt das Atom, OXT faellt weg",
            atom(" CA ", 0, 0, 0) + atom("FE  ", 1, 1, 1) + atom(" OXT", 2, 2, 2) + atom(" H  ", 3, 3, 3) + "END\n",
            "unbekanntes Atom 'E'\n| 0:0+3/0 C(0,0,0) E(1,1,1) H(3,3,3)"},
           {"unbekannte Satzarten werden gemeldet, HETATM gelesen, ENDMDL endet",
            "REMARK hallo\nHETATM    1  O   HOH\n" + atom(" C  ", 1, 1, 1) + "ENDMDL\n" + atom(" C  ", 2, 2, 2),
            "unbekanntes Schluesselwort in pdb-Datei: \"REMARK hallo\"\n| 0:0+2/0 O(0,0,0) C(1,1,1)"},
           // touching coordinates; an insertion code in column 27; a line without columns read word by word
           {"Koordinaten aus ihren Spalten",
            atom(" C  ", -100.123, -200.5, -300.25) + atom(" N  ", 1.5, 2.5, 3.5, "ALA A  12A") +
                "ATOM      3  O   ALA A   1 4 5 6\n",
            "| 0:0+3/0 C(-100.123,-200.5,-300.25) N(1.5,2.5,3.5) O(4,5,6)"},
           {"leere Ketten", "TER\nTER\n" + atom(" C  ", 1, 1, 1) + "TER\nTER\nEND\n", "| 0:0+1/0 C(1,1,1)"},
           {"zu kurz", "ATOM\nATOM      1  C\n", "Werte von Atom '' auf Default gesetzt\n| 0:0+2/0 (0,0,0) C(0,0,0)"},
           {"hoechstens zehn Molekuele", elf_ketten, zehn + atome}},
          [](FILE* fp) { pdb_einlesen(fp); });
}

static void mdl(FILE* fp) {
  if (!mdl_einlesen(fp)) std::puts("abgelehnt");
}  // a refused file: "abgelehnt"

TEST(Mdl, Dateien) {
  pruefen({{"Marvin, leere dritte Zeile, z wie in der Datei",
            "Ethen\n  Marvin  01010000002D\n\n  2  1  0  0  0  0            999 V2000\n"
            "   -0.6650    0.0000    0.0000 C   0  0\n    0.6650    0.0000    1.5000 C   0  0\n"
            "  1  2  2  0  0  0  0\nM  END\n",
            "| 0:0+2/1 C(-0.665,0,0) C(0.665,0,1.5) 0-1:2"},
           {"Kommentar in der dritten Zeile ist keine Zaehlzeile", "a\nb\nein Kommentar\n  2  1\n", "abgelehnt\n|"},
           {"Felder getrennt, ohne Typ", "a\nb\n\n3 2\n; Kommentar\n1.0 2.0 3.0 O\n\n0 0 0 H\n0 0 1 Xyz\n1 2\n1 3 4\n",
            "Fehlerhaftes Atom: \"Xyz\"\nWerte von Atom 'Xyz' auf Default gesetzt\n"
            "| 0:0+3/2 O(1,2,3) H(0,0,0) Xyz(0,0,1) 0-1:1 0-2:4"},
           {"unvollstaendig, Atomnummern ausserhalb", "a\nb\n\n2 5\n1.0 2.0\n0 0 0 C\n1\n1 9 1\n9 1\n0 1\n2 0\n",
            "Fehler in mdl_einlesen: zeile=\"1.0 2.0\"\nWerte von Atom '' auf Default gesetzt\n"
            "Fehler in mdl_einlesen: zeile=\"1\"\nFehler: Atomnummer ausserhalb des Molekuels: zeile=\"1 9 1\"\n"
            "Fehler: Atomnummer ausserhalb des Molekuels: zeile=\"9 1\"\nFehler: Atomnummer ausserhalb des Molekuels: "
            "zeile=\"0 1\"\nFehler: Atomnummer ausserhalb des Molekuels: zeile=\"2 0\"\n| 0:0+2/0 (1,2,0) C(0,0,0)"},
           {"abgebrochener Block bleibt gelesen", "a\nb\n\n3 1\n0 0 0 C\n", "| 0:0+1/0 C(0,0,0)"}},
          mdl);
  for (std::string zaehlung : {"", "\n\n", "\n0 0\n", "\n5\n", "\n1001 0\n", "\n1 2001\n", "\n1 -1\n"})
    pruefen({{"Zaehlung \"" + zaehlung + "\"", "a\nb\n" + zaehlung, "abgelehnt\n|"}}, mdl);
  tabellen_leeren();
  for (int i = 0; i < 10; i++) gelesen("a\nb\n\n1 0\n0 0 0 H\n", mdl);
  // 991 atoms no longer fit beside the 10 read: refused before the number of molecules is looked at
  EXPECT_EQ(ausgabe_von([] {
              aus_text("a\nb\n\n991 0\n", mdl);
              aus_text("a\nb\n\n1 0\n0 0 0 H\n", mdl);
            }),
            "abgelehnt\nzu viele Molekuele, auf 10 begrenzt\nabgelehnt\n");
  EXPECT_EQ(anz_molek, 10);
}

// 100 atoms and 100 bonds: the counts touch and end the line, and coordinates and atom numbers from 100 on touch.
TEST(Mdl, BeruehrendeFelderNachSpalten) {
  std::string text = "gross\n  Marvin\n\n100100\n", bindungen, atome, erwartet;
  char zeile[100];
  for (int i = 0; i < 100; i++) {
    std::snprintf(zeile, sizeof zeile, "%10.4f%10.4f%10.4f C   0  0\n", -1000.5 - i, i * 1.0, -2000.25);
    text += zeile;
    std::snprintf(zeile, sizeof zeile, "%3d%3d%3d  0\n", i + 1, (i + 1) % 100 + 1, i == 99 ? 2 : 1);
    bindungen += zeile;
    std::snprintf(zeile, sizeof zeile, " C(%g,%d,-2000.25)", -1000.5 - i, i);
    atome += zeile;
    erwartet += " " + std::to_string(i) + "-" + std::to_string((i + 1) % 100) + (i == 99 ? ":2" : ":1");
  }
  tabellen_leeren();
  EXPECT_EQ(gelesen(text + bindungen, mdl), "| 0:0+100/100" + atome + erwartet);
}

TEST(Sniff, Formate) {
  const std::string atom = "ATOM      1  N   ALA A   1       1.000   2.000   3.000\n", nein = "abgelehnt\n|",
                    mol =
                        "  2  1  0  0  0  0  0  0  0  0999 V2000\n    0.0000    0.0000    0.0000 C   0  0\n"
                        "    1.3300    0.0000    0.0000 C   0  0\n  1  2  2  0\nM  END\n",
                    het =
                        "HETATM    1  C1  UNL     1       0.000   0.000   0.000  1.00  0.00           C\n"
                        "HETATM    2  O1  UNL     1       1.200   0.000   0.000  1.00  0.00           O\n";
  pruefen(
      {{"Zaehlzeile: Strukturtext", "2 1\nH 0 0 0\nH 0 0 0.74\n0 1\n", "| 0:0+2/1 H(0,0,-0) H(0,0,-0.74) 0-1:1"},
       {"keine Atome", "0 1\nH 0 0 0\n", nein},
       {"eingerueckt", " 2 1\nH 0 0 0\n", nein},
       {"negative Bindungszahl", "2 -1\nH 0 0 0\n", nein},
       {"nur eine Zahl: XYZ ohne Titel", "2\nH 0 0 0\nH 0 0 1\n", "| 0:0+2/0 H(0,0,-0) H(0,0,-1)"},
       {"Molekuelzeile in Zeile 1", "molekuele=1\n1 0\nC 0 0 0\n", "| 0:0+1/0 C(0,0,-0)"},
       {"Molekuelzeile in Zeile 2", "Titel\nmolekuele=1\n1 0\nC 0 0 0\n", "| 0:0+1/0 C(0,0,-0)"},
       {"ATOM in Zeile 1: PDB", atom + "END\n", "| 0:0+1/0 N(1,2,3)"},
       {"Marvin in Zeile 2: MDL", "Name\n   Marvin  0101\n\n  1  0\n    0.0000    0.0000    0.0000 N   0\n",
        "| 0:0+1/0 N(0,0,0)"},
       {"MDL ohne Atome", "Name\n  Marvin\n\n  0  0\n", nein},
       // as Open Babel, RDKit and the databases write them
       {"XYZ mit Titel", "2\nwater\nO 0 0 0\nH 0.96 0 0\n", "| 0:0+2/0 O(0,0,-0) H(0.96,0,-0)"},
       {"mol", "ethene\n OpenBabel12072618083D\n\n" + mol, "| 0:0+2/1 C(0,0,0) C(1.33,0,0) 0-1:2"},
       {"SDF: Kommentar in Zeile 3, das erste Molekuel",
        "ethene\n     RDKit          3D\nvon Hand\n" + mol +
            "$$$$\nzwei\n\n\n  1  0  0  0  0  0  0  0  0  0999 V2000\n",
        "| 0:0+2/1 C(0,0,0) C(1.33,0,0) 0-1:2"},
       {"PDB: HEADER, Doppelbindung, Verweis ohne Atom",
        "HEADER    TEST\n" + het +
            "CONECT    1    2    2    9\n"
            "CONECT    2    1    1\nEND\n",
        "unbekanntes Schluesselwort in pdb-Datei: \"HEADER    TEST\"\nCONECT in "
        "pdb-Datei: 1 Verweise auf ungelesene Atome oder zwischen Molekuelen ignoriert\n| 0:0+2/1 C(0,0,0) O(1.2,0,0) "
        "0-1:2"},
       {"PDB: COMPND, Verweis zwischen Molekuelen", "COMPND    co\n" + het + "TER\n" + het + "CONECT 1 2 3\n",
        "unbekanntes Schluesselwort in pdb-Datei: \"COMPND    co\"\nCONECT in pdb-Datei: 1 Verweise auf ungelesene "
        "Atome"
        " oder zwischen Molekuelen ignoriert\n| 0:0+2/1 1:2+2/0 C(0,0,0) O(1.2,0,0) C(0,0,0) O(1.2,0,0) 0-1:1"},
       {"PDB: HETATM, dreifach", het + "CONECT    1    2    2    2    2\n", "| 0:0+2/1 C(0,0,0) O(1.2,0,0) 0-1:3"}},
      [](FILE* fp) {
        if (!unbek_einlesen(fp)) std::puts("abgelehnt");
      },
      5);  // without the five lines that show the first four (the command line tests see those)
}

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
  std::atexit([] {
    if (char d[64]; getcwd(d, sizeof d) && std::strstr(d, "quil_start")) std::_Exit(1);
  });
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
           {{"p.pdb", "p.pdb"},
            suche + pdb +
                "\"\nzeile2=\"END\"\nzeile3=\"\"\nzeile4=\"\"\n"
                "p.pdb eingelesen\np.pdb eingelesen\n|2"},
           {{"h2.dat"}, suche_h2 + "h2.dat eingelesen\n|1"},  // a name without ".xyz" is sniffed
           {{"-u", "h2.xyz"}, suche_h2 + "h2.xyz eingelesen\n|1"},
           {{"h2.xyz.alt"}, "h2.xyz.alt eingelesen\n|1"},
           {{"fehlt.dat"}, "konnte \"fehlt.dat\" nicht oeffnen\n|0"},
           {{""}, "Fehler in xyzeinlesen(): keine Atome\n|0"},     // an empty first name: the default file
           {{lang, "h2.xyz"}, zu_lang + "h2.xyz eingelesen\n|1"},  // as a name that does not open
           {{passt + ".xyz", lang}, zu_lang + "konnte \"" + passt + ".xyz\" nicht oeffnen\n|0"}})
    EXPECT_EQ(quil(argumente), erwartet) << argumente.size();
  // usage, on standard output before any window opens, for "?" in a flag word or more than three names
  for (const char* argumente : {"-?", "?", "-x?", "a b c d", "-u ?x", "--help"})
    EXPECT_EQ(programm(argumente),
              "quil Version 0.8\nAnwendung: quil [-Flags] [Quellname1] [Quellname2] [Quellname3]\n"
              "  Flags: u=unbekanntes Format suchen\n|0")
        << argumente;
  EXPECT_EQ(programm("a --version"), "quil Version 0.8\n|0");
  std::remove("Alanin.xyz");
  EXPECT_EQ(quil({}), "kann \"Alanin.xyz\" nicht oeffnen.\n|0");
  EXPECT_EQ(chdir(vorher), 0);
  std::system((std::string("rm -rf ") + verzeichnis).c_str());
}

TEST(Zeilen, Helfer) {
  auto scan = [](const char* s) {  // the first digits, without sign, saturated; none: 0
    int z = -1, r = myscanf(s, &z);
    return std::to_string(r) + ":" + std::to_string(z) + " ";
  };
  EXPECT_EQ(scan("=12ab3") + scan(" -7") + scan("keine") + scan("99999999999999999999"), "1:12 1:7 0:0 1:2147483647 ");
  int i = 0;
  double d = 0;
  char s[] = " \r\n text  mit  \r\n  ", leer[] = "   ", wort[4];
  EXPECT_TRUE(ganzzahl_lesen("-99999999999999", &i) && i == INT_MIN);
  EXPECT_TRUE(wort_lesen(" Chlor", wort, 4) && std::string(wort) == "Chl" && !wort_lesen("  ", wort, 4));  // cut to fit
  // not right-aligned, two numbers, the line ends inside the field, no number
  EXPECT_FALSE(feld_lesen("12 345", 1, 3, &i) || feld_lesen("3 2", 1, 3, &i) || feld_lesen("  3", 1, 4, &i) ||
               feld_lesen("  ab", 1, 4, &d));
  strclean(s);
  strclean(leer);
  EXPECT_EQ(std::string(s) + "|" + leer, "text  mit  \r\n|");
  EXPECT_TRUE(fastgleichi(5, 7, 2) && !fastgleichi(5, 8, 2) && !fastgleichi(INT_MIN, INT_MAX, 5));
  EXPECT_TRUE(fastgleichd(1.0, 1.05, 0.1) && !fastgleichd(1.0, 1.2, 0.1) && !leerzeile(" ;"));  // no comment
}
