// Atom, bond and molecule tables: element defaults, selection order, reserved runs.
#include <gtest/gtest.h>

#include "model/tabellen.h"
#include "testhilfe.h"

namespace {

struct Tabellen : testing::Test {
  void SetUp() override { tabellen_leeren(); }
};

Atomlist gesetzt(const char* name, std::string* ausgabe = nullptr) {
  Atomlist a;
  Vektor3d v(1, 2, 3);
  std::string text = ausgabe_von([&] { a.set(name, v, 7); });
  if (ausgabe) *ausgabe = text;
  return a;
}

TEST_F(Tabellen, BekannteElementeBekommenIhreWerte) {
  std::string ausgabe;
  Atomlist c = gesetzt("C", &ausgabe);
  EXPECT_EQ(ausgabe, "");
  EXPECT_STREQ(c.name, "C");
  EXPECT_EQ(c.kz, 4);
  EXPECT_DOUBLE_EQ(c.ra, 0.772);
  EXPECT_EQ(c.r, 50);
  EXPECT_EQ(c.molekuelnr, 7);
  EXPECT_EQ(c.p.z, 3);
  Atomlist cl = gesetzt("Cl");
  EXPECT_EQ(cl.r, 0);
  EXPECT_EQ(cl.g, 255);
  EXPECT_DOUBLE_EQ(cl.ra, 0.994);
  Atomlist e = gesetzt("e");
  EXPECT_DOUBLE_EQ(e.ra, 0.25);
  EXPECT_EQ(e.b, 255);
  Atomlist s = gesetzt("S");
  EXPECT_EQ(s.kz, 6);
  Atomlist j = gesetzt("J"), i = gesetzt("I");
  EXPECT_EQ(j.ra, i.ra);
  Atomlist cu = gesetzt("Cu");
  EXPECT_EQ(cu.r, 142);
  EXPECT_EQ(cu.g, 64);
  EXPECT_EQ(cu.b, 42);
}

TEST_F(Tabellen, UnbekannteElementeBekommenDieVorgabeMitMeldung) {
  std::string ausgabe;
  Atomlist gross = gesetzt("CL", &ausgabe);
  EXPECT_EQ(ausgabe, "Werte von Atom 'CL' auf Default gesetzt\n");
  EXPECT_EQ(gross.r, 127);
  EXPECT_DOUBLE_EQ(gross.ra, 1.0);
  EXPECT_EQ(gross.kz, 1);
  gesetzt("X", &ausgabe);
  EXPECT_EQ(ausgabe, "unbekanntes Atom 'X'\n");
  Atomlist drei = gesetzt("Cla", &ausgabe);
  EXPECT_STREQ(drei.name, "Cla");
  EXPECT_EQ(ausgabe, "Werte von Atom 'Cla' auf Default gesetzt\n");
  Atomlist lang = gesetzt("Carbonyl", &ausgabe);
  EXPECT_STREQ(lang.name, "Car");
  gesetzt("", &ausgabe);
  EXPECT_EQ(ausgabe, "Werte von Atom '' auf Default gesetzt\n");
}

TEST_F(Tabellen, SetBehaeltRingmarkeUndElektronenpaare) {
  Atomlist a;
  a.flags = 1;
  a.nep = 2;
  a.selectflag = 1;
  a.tmpflag = 1;
  Vektor3d v;
  a.set("N", v, 0);
  EXPECT_EQ(a.flags, 1);
  EXPECT_EQ(a.nep, 2);
  EXPECT_EQ(a.selectflag, 0);
  EXPECT_EQ(a.tmpflag, 0);
}

TEST_F(Tabellen, AuswahlHaeltDieReihenfolge) {
  for (int i : {5, 2, 9, 4}) atomliste[i].select(i);
  EXPECT_EQ(nsel, 4);
  EXPECT_EQ(ausgabe_von([] { atomliste[7].select(7); }),
            "es koennen maximal 4 Atome selektiert werden\n");
  EXPECT_EQ(nsel, 4);
  EXPECT_EQ(atomliste[7].selectflag, 0);
  atomliste[2].select(2);
  ASSERT_EQ(nsel, 3);
  EXPECT_EQ(selectlist[0], 5);
  EXPECT_EQ(selectlist[1], 9);
  EXPECT_EQ(selectlist[2], 4);
  EXPECT_EQ(atomliste[2].selectflag, 0);
  atomliste[2].select(2);
  EXPECT_EQ(selectlist[3], 2);
  EXPECT_EQ(atomliste[2].selectflag, 1);
}

TEST_F(Tabellen, BindungsordnungNullWirdEins) {
  Bondlist b;
  b.set(3, 4, 0, 2);
  EXPECT_EQ(b.strong, 1);
  EXPECT_EQ(b.n1, 3);
  EXPECT_EQ(b.n2, 4);
  EXPECT_EQ(b.molekuelnr, 2);
  b.set(3, 4, 1.5f, 2);
  EXPECT_EQ(b.strong, 1.5f);
}

TEST_F(Tabellen, MolekuelFuelltNurSeinenReserviertenLauf) {
  anz_molek = 2;
  molekuel[0].init(0, 2, 1);
  molekuel[1].init(1, 1, 0);
  EXPECT_EQ(anz_atome, 3);
  EXPECT_EQ(anz_bonds, 1);
  EXPECT_EQ(molekuel[1].ia, 2);
  EXPECT_EQ(molekuel[1].atom, &atomliste[2]);
  Vektor3d v(1, 1, 1);
  molekuel[0].addatom("C", v);
  molekuel[0].addatom("O", v);
  EXPECT_EQ(ausgabe_von([&] { molekuel[0].addatom("N", v); }), "Fehler: zu viele Atome in Melekuel 0\n");
  EXPECT_EQ(molekuel[0].natoms, 2);
  EXPECT_EQ(atomliste[2].name[0], '\0');
  molekuel[0].addbond(0, 1, 2);
  EXPECT_EQ(ausgabe_von([] { molekuel[0].addbond(0, 1, 1); }), "Fehler: zu viele Bindungen in Melekuel 0\n");
  EXPECT_EQ(molekuel[0].nbonds, 1);
  EXPECT_EQ(bondliste[0].strong, 2);
  molekuel[0].schieben(Vektor3d(1, 2, 3));
  EXPECT_EQ(atomliste[1].p.y, -1);
  EXPECT_EQ(atomliste[2].p.y, 0);
}

TEST_F(Tabellen, UngefuellteReservierungWirdZurueckgegeben) {
  anz_molek = 1;
  molekuel[0].init(0, 5, 4);
  Vektor3d v;
  molekuel[0].addatom("H", v);
  molekuel[0].rest_freigeben();
  EXPECT_EQ(anz_atome, 1);
  EXPECT_EQ(anz_bonds, 0);
  EXPECT_EQ(ausgabe_von([&] { molekuel[0].addatom("H", v); }), "Fehler: zu viele Atome in Melekuel 0\n");
}

TEST_F(Tabellen, ElektronenpaarErkennung) {
  Vektor3d v;
  atomliste[0].set("e", v, 0);
  atomliste[1].set("Fe", v, 0);
  EXPECT_TRUE(isepaar(0));
  EXPECT_FALSE(isepaar(1));
}

}  // namespace
