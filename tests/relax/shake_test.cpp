// The shake relaxation: lone pairs, which atoms are pivots, its end and the geometry it reaches.
#include "relax/shake.h"

#include <gtest/gtest.h>

#include <cmath>

#include "io/xyz.h"
#include "model/tabellen.h"
#include "relax/epaare.h"
#include "testhilfe.h"

static void lesen(const char* text) {
  tabellen_leeren();
  aus_text(text, xyzeinlesen);
}

// Lone pairs: two at the O's radius, once, in its molecule's run, removable; none past the tables' limits.
TEST(Shake, Elektronenpaare) {
  const char* wasser =
      "molekuele=2\n3 2\n O 0 0 0\n H 0.96 0 0\n H -0.24 0.93 0\n0 1\n0 2\n2 1\n N 0 0 0\n H 1 0 0\n0 1\n";
  lesen(wasser);
  ausgabe_von([] { shake_atom(0), shake_atom(0); });
  EXPECT_EQ(atome(), "O0 H0 H0 e0 e0 N1 H1 ");
  EXPECT_EQ(atomliste[0].nep, 2);
  EXPECT_EQ(molekuel[1].ia, 5);
  EXPECT_NEAR(abstand(3, 0), 0.604, 1e-12);
  EXPECT_EQ(bindungen(), "0-1:1 0-2:1 5-6:1 0-3:1 0-4:1 ");  // the N-H bond followed its atoms
  alle_freie_elektronen_loeschen();
  EXPECT_EQ(atome(), "O0 H0 H0 N1 H1 ");
  EXPECT_EQ(bindungen(), "0-1:1 0-2:1 3-4:1 ");
  EXPECT_EQ(molekuel[1].ia, 3);
  anz_atome = MAX_ATOME - 1, molekuel[1].natoms = anz_atome - 3;  // room for one lone pair only
  shake_atom(0);
  EXPECT_EQ(atome().substr(0, 18), "O0 H0 H0 e0 N1 H1 ");
  EXPECT_EQ(anz_atome, MAX_ATOME);
  lesen(wasser);  // the bond table full: no lone pair, and one line for the whole run
  for (int i = anz_bonds; i < MAX_BONDS; i++) bondliste[i].set(3, 4, 1, 1);
  anz_bonds = MAX_BONDS;
  m_shake(1);
  EXPECT_EQ(ausgabe_von([] { shake_atom(0), shake_atom(0); }), "Fehler in shake_atom(): zu viele Bindungen\n");
  EXPECT_EQ(anz_atome, 5);
  shakeflag = 0;
}

// End and ring atoms are no pivots; the others turn all that hangs on their neighbours but the first.
TEST(Shake, Drehpunkte) {
  const char* baum =
      "7 7\n C 0 0 0\n C 1.3 0 0\n H -0.4 1 0\n C -0.5 -0.7 0.7\n C -0.4 -1.5 1.8\n C -1.5 -1.5 1\n"
      " H 0 -0.3 1.7\n0 1 2\n0 2\n0 3\n3 4\n4 5\n5 3\n3 6\n";
  const char* gerade = "4 3\n C 0 0 0\n C 1 0 0\n C 2 0 0\n C 0 1 0\n0 1 2\n0 2\n0 3\n";
  struct Fall {
    const char* text;
    int atom;
    int drehungen;
    const char* bewegt;
    const char* ausgabe;
  };
  for (const Fall& f : {Fall{baum, 0, 2, "23456", ""}, Fall{baum, 2, 0, "", ""}, Fall{baum, 3, 0, "", ""},
                        Fall{gerade, 0, 2, "23", "Fehler: division durch 0\n"}}) {  // neighbours in one line: no NaN
    SCOPED_TRACE(f.atom);
    lesen(f.text);
    ringe_markieren();
    std::vector<Vektor3d> vorher = positionen();
    int gedreht = 0;
    EXPECT_EQ(ausgabe_von([&] { gedreht = shake_atom(f.atom); }).substr(0, 25), f.ausgabe);
    EXPECT_EQ(gedreht, f.drehungen);
    EXPECT_EQ(bewegt(vorher), f.bewegt);
    for (int i = 0; i < anz_atome; i++) EXPECT_TRUE(std::isfinite(abs(atomliste[i].p)));
  }
}

// A bent methane relaxes to the tetrahedron, bond lengths kept, and stops; a selected atom is the only pivot.
TEST(Shake, Methan) {
  const char* methan = "5 4\n C 0 0 0\n H 1.09 0 0\n H 0 1.09 0\n H 0 0 1.09\n H -0.7 -0.7 0.2\n0 1\n0 2\n0 3\n0 4\n";
  lesen(methan);
  m_shake(1);
  int bilder = 0;
  auto laufen = [&] {
    while (shakeflag && bilder < 4000) bilder += shake_bild();
  };
  EXPECT_EQ(ausgabe_von(laufen), "shake fertig\n");
  EXPECT_EQ(bilder, 3143);
  const double laengen[] = {0, 1.09, 1.09, 1.09, 1.00995049383621};
  for (int i = 1; i < 5; i++) {
    EXPECT_NEAR(abstand(i, 0), laengen[i], 1e-9);
    for (int j = i + 1; j < 5; j++) EXPECT_NEAR(winkel(i, 0, j), 109.4712, 0.002);
  }
  lesen(methan);
  atomliste[2].select(2);
  m_shake(1);
  EXPECT_EQ(ausgabe_von(shake_bild), "shake fertig\n");  // H2 is no pivot: the first step turns nothing
  erwarte_nah(atomliste[4].p, {-0.7, -0.7, -0.2});
}
