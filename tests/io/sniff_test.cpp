// Recognising file formats by their first lines.
#include "io/sniff.h"
#include "lesen.h"

TEST(Sniff, Formate) {
  const std::string atom = "ATOM      1  N   ALA A   1       1.000   2.000   3.000\n", nein = "abgelehnt\n|";
  pruefen({{"Zaehlzeile: Strukturtext", "2 1\nH 0 0 0\nH 0 0 0.74\n0 1\n", "| 0:0+2/1 H(0,0,-0) H(0,0,-0.74) 0-1:1"},
           {"keine Atome", "0 1\nH 0 0 0\n", nein}, {"eingerueckt", " 2 1\nH 0 0 0\n", nein},
           {"negative Bindungszahl", "2 -1\nH 0 0 0\n", nein}, {"nur eine Zahl", "2\nH 0 0 0\nH 0 0 1\n", nein},
           {"Molekuelzeile in Zeile 1", "molekuele=1\n1 0\nC 0 0 0\n", "| 0:0+1/0 C(0,0,-0)"},
           {"Molekuelzeile in Zeile 2", "Titel\nmolekuele=1\n1 0\nC 0 0 0\n", "| 0:0+1/0 C(0,0,-0)"},
           {"ATOM in Zeile 1: PDB", atom + "END\n", "| 0:0+1/0 N(1,2,3)"},
           {"ATOM erst in Zeile 2", "HEADER    X\n" + atom + "END\n", nein},
           {"Marvin in Zeile 2: MDL", "Name\n   Marvin  0101\n\n  1  0\n    0.0000    0.0000    0.0000 N   0\n",
            "| 0:0+1/0 N(0,0,0)"},
           {"MDL ohne Atome", "Name\n  Marvin\n\n  0  0\n", nein}},
          [](FILE* fp) { if (!unbek_einlesen(fp)) std::puts("abgelehnt"); },
          5);  // without the five lines that show the first four (the command line tests see those)
}
