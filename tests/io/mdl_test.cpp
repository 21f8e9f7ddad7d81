// MDL mol files: header lines, counts, atom and bond blocks, touching fixed-width fields.
#include "io/mdl.h"
#include "lesen.h"

static void mdl(FILE* fp) { if (!mdl_einlesen(fp)) std::puts("abgelehnt"); }  // a refused file: "abgelehnt"

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
           {"abgebrochener Block bleibt gelesen", "a\nb\n\n3 1\n0 0 0 C\n", "| 0:0+1/0 C(0,0,0)"}}, mdl);
  for (std::string zaehlung : {"", "\n\n", "\n0 0\n", "\n5\n", "\n1001 0\n", "\n1 2001\n", "\n1 -1\n"})
    pruefen({{"Zaehlung \"" + zaehlung + "\"", "a\nb\n" + zaehlung, "abgelehnt\n|"}}, mdl);
  tabellen_leeren();
  for (int i = 0; i < 10; i++) gelesen("a\nb\n\n1 0\n0 0 0 H\n", mdl);
  // 991 atoms no longer fit beside the 10 read: refused before the number of molecules is looked at
  EXPECT_EQ(ausgabe_von([] { aus_text("a\nb\n\n991 0\n", mdl); aus_text("a\nb\n\n1 0\n0 0 0 H\n", mdl); }),
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
