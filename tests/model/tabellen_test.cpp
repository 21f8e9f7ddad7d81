// Atom, bond and molecule tables: element defaults, selection order, reserved runs.
#include <gtest/gtest.h>

#include "model/tabellen.h"
#include "testhilfe.h"

// What setting an atom prints, then its name, electron-pair places, radius and colour.
static std::string gesetzt(const char* name) {
  Atomlist a;
  Vektor3d v;
  std::string s = ausgabe_von([&] { a.set(name, v, 0); });
  char werte[64];
  std::snprintf(werte, sizeof werte, "%s %d %g %d,%d,%d", a.name, a.kz, a.ra, a.r, a.g, a.b);
  return s + werte;
}

// Known elements get their values, others a grey default and a name of 3 letters at most; set keeps flags and nep.
TEST(Tabellen, ElementeBekommenIhreWerte) {
  for (auto [name, soll] : {std::pair("C", "C 4 0.772 50,50,50"), {"Cl", "Cl 1 0.994 0,255,0"},
                            {"e", "e 1 0.25 190,190,255"}, {"S", "S 6 1.035 255,255,0"}, {"J", "J 1 1.331 127,255,255"},
                            {"Cu", "Cu 2 1.32 142,64,42"}, {"X", "unbekanntes Atom 'X'\nX 1 1 127,127,127"},
                            {"Carbonyl", "Werte von Atom 'Car' auf Default gesetzt\nCar 1 1 127,127,127"}})
    EXPECT_EQ(gesetzt(name), soll);
  tabellen_leeren();
  Atomlist& a = atomliste[0];
  a.flags = a.nep = 2, a.selectflag = a.tmpflag = 1;
  Vektor3d v(1, 2, 3);
  a.set("e", v, 7);
  atomliste[1].set("Fe", v, 0);
  EXPECT_EQ(std::vector<int>({a.flags, a.nep, a.selectflag, a.tmpflag, a.molekuelnr, isepaar(0), isepaar(1)}),
            std::vector<int>({2, 2, 0, 0, 7, 1, 0}));
  erwarte_nah(a.p, v);
}

// Picking a selected atom again drops it from the order; a fifth is refused.
TEST(Tabellen, AuswahlHaeltDieReihenfolge) {
  tabellen_leeren();
  EXPECT_EQ(ausgabe_von([] { for (int i : {5, 2, 9, 4, 7, 2, 2}) atomliste[i].select(i); }),
            "es koennen maximal 4 Atome selektiert werden\n");
  EXPECT_EQ(std::vector<int>(selectlist, selectlist + nsel), std::vector<int>({5, 9, 4, 2}));
  EXPECT_EQ(std::vector<int>({atomliste[2].selectflag, atomliste[7].selectflag}), std::vector<int>({1, 0}));
}

// A molecule fills only the run init reserved, after giving back the rest too, and moves only its own atoms.
TEST(Tabellen, MolekuelFuelltNurSeinenReserviertenLauf) {
  tabellen_leeren();
  anz_molek = 2;
  molekuel[0].init(0, 2, 1);
  molekuel[1].init(1, 3, 2);
  Vektor3d v(1, 1, 1), w(5, 5, 5);
  EXPECT_EQ(ausgabe_von([&] {
              molekuel[1].addatom("H", w);
              molekuel[1].addbond(2, 3, 0);  // order 0 is taken as 1
              for (const char* name : {"C", "O", "N"}) molekuel[0].addatom(name, v);
              for (float ordnung : {2, 1}) molekuel[0].addbond(0, 1, ordnung);
              molekuel[1].rest_freigeben();
              molekuel[1].addatom("H", v);
            }),
            "Fehler: zu viele Atome in Melekuel 0\nFehler: zu viele Bindungen in Melekuel 0\n"
            "Fehler: zu viele Atome in Melekuel 1\n");
  const Bondlist &b0 = bondliste[0], &b1 = bondliste[1];
  EXPECT_EQ(std::vector<float>({b0.strong, 1.0f * b1.n1, 1.0f * b1.n2, b1.strong}), std::vector<float>({2, 2, 3, 1}));
  molekuel[0].schieben(Vektor3d(1, 2, 3));
  erwarte_nah(atomliste[1].p, 0, -1, -2);
  erwarte_nah(atomliste[2].p, w);
}
