// The structure text format: reading, placing further molecules, limits, and writing back.
#include "io/xyz.h"
#include "lesen.h"

TEST(Xyz, Lesen) {
  const std::string keine = "Fehler in xyzeinlesen(): keine Atome\n", w(199, 'W'),
                    zwei_h = "1 0\nH 0 0 0\n1 0\nH 0 0 0\n";
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
            "Fehler: zeile=\"" + w + "\"\nFehlerhaftes Atom: \"" + w + "\"\nWerte von Atom 'WWW' auf Default gesetzt\n"
            "| 0:0+1/0 WWW(0,0,-0)"},
           {"letzte Zeile ohne Zeilenende geht verloren", "2 2\nC 0 0 0\nO 0 0 1.2\n0 1 2\n1 0",
            "| 0:0+2/1 C(0,0,-0) O(0,0,-1.2) 0-1:2"},
           {"abgebrochene Datei", "3 2\nC 0 0 0\nC 0 0 1.5\n", "| 0:0+2/0 C(0,0,-0) C(0,0,-1.5)"},
           {"Zaehlzeile mit nur einer Zahl", "2\nH 0 0 0\nH 0 0 1\n", "| 0:0+2/0 H(0,0,-0) H(0,0,-1)"},
           {"negative Bindungszahl", "1 -5\nH 1 2 3\n", "Fehler in xyz-Datei: \"1 -5\"\n| 0:0+1/0 H(1,2,-3)"},
           {"fehlerhafte Bindungszeilen", "2 4\nC 0 0 0\nC 0 0 1\n0 2\n-1 1\n7\n1 0 2\n",
            "Fehler: Atomnummer ausserhalb des Molekuels: zeile=\"0 2\"\nFehler: Atomnummer ausserhalb des Molekuels: "
            "zeile=\"-1 1\"\nFehler: zeile=\"7\"\n| 0:0+2/1 C(0,0,-0) C(0,0,-1) 1-0:2"},
           // other header lines and comments are skipped; the sign of the number of molecules does not count
           {"Kopf", "koordinaten=3\n; Kommentar\n  molekuele=-2\n" + zwei_h, "| 0:0+1/0 1:1+1/0 H(0,0,-0) H(0,0,-2.5)"},
           {"mol ohne Zahl", "mol\n" + zwei_h, "Fehler in xyz-Datei: \"mol\"\n| 0:0+1/0 H(0,0,-0)"},
           {"angekuendigtes Molekuel fehlt", "molekuele=3\n1 0\nH 0 0 0\n", keine + "| 0:0+1/0 H(0,0,-0)"},
           {"ohne Zaehlzeile", "; nur ein Kommentar\nTitel\n", keine + "|"},
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
            "| 0:0+1/0 1:1+1/0 C(0,0,-0) C(0.1,-2.5,-0.2)"}}, xyzeinlesen);
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
