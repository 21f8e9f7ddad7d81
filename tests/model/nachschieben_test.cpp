// Moving the rest of a molecule: marked barriers, rings, other molecules, visiting order.
#include <gtest/gtest.h>

#include <initializer_list>
#include <utility>

#include "model/nachschieben.h"
#include "model/tabellen.h"
#include "testhilfe.h"

namespace {

// A molecule of carbon atoms at x = 0, 1, 2, ... with the given bonds (block-relative).
int molekuel_bauen(int atome, std::initializer_list<std::pair<int, int>> bindungen) {
  int nr = anz_molek++;
  Molekuel& m = molekuel[nr];
  m.init(nr, atome, static_cast<int>(bindungen.size()));
  for (int i = 0; i < atome; i++) {
    Vektor3d v(i, 0, 0);
    m.addatom("C", v);
  }
  for (auto [a, b] : bindungen) m.addbond(m.ia + a, m.ia + b, 1);
  return m.ia;
}

struct Nachschieben : testing::Test {
  void SetUp() override { tabellen_leeren(); }
  double y(int i) { return atomliste[i].p.y; }
  bool alle_marken_frei() {
    for (int i = 0; i < anz_atome; i++)
      if (atomliste[i].tmpflag) return false;
    return true;
  }
};

TEST_F(Nachschieben, VerschiebtAllesHinterDerMarke) {
  molekuel_bauen(5, {{0, 1}, {1, 2}, {2, 3}, {3, 4}});
  atomliste[1].tmpflag = 1;
  atome_nachschieben(2, Vektor3d(0, 1, 0), true);
  EXPECT_EQ(y(0), 0);
  EXPECT_EQ(y(1), 0);
  EXPECT_EQ(y(2), 1);
  EXPECT_EQ(y(3), 1);
  EXPECT_EQ(y(4), 1);
  EXPECT_TRUE(alle_marken_frei());
}

TEST_F(Nachschieben, MarkierterStartBleibtStehen) {
  molekuel_bauen(4, {{0, 1}, {1, 2}, {2, 3}});
  atomliste[1].tmpflag = 1;
  atomliste[2].tmpflag = 1;
  atome_nachschieben(2, Vektor3d(0, 1, 0), false);  // a marked start clears the marks anyway
  EXPECT_EQ(y(2), 0);
  EXPECT_EQ(y(3), 1);
  EXPECT_EQ(y(0), 0);
  EXPECT_TRUE(alle_marken_frei());
}

TEST_F(Nachschieben, MarkierterStartMitMarkiertemNachbarnBewegtNichts) {
  molekuel_bauen(2, {{0, 1}});
  atomliste[0].tmpflag = 1;
  atomliste[1].tmpflag = 1;
  atome_nachschieben(1, Vektor3d(0, 1, 0), true);
  EXPECT_EQ(y(0) + y(1), 0);
  EXPECT_TRUE(alle_marken_frei());
}

TEST_F(Nachschieben, AtomOhneBindungenBewegtNurSich) {
  molekuel_bauen(3, {{1, 2}});
  atome_nachschieben(0, Vektor3d(0, 2, 0), true);
  EXPECT_EQ(y(0), 2);
  EXPECT_EQ(y(1), 0);
  EXPECT_EQ(y(2), 0);
}

TEST_F(Nachschieben, ImRingLaeuftDerWegHerum) {
  molekuel_bauen(6, {{0, 1}, {1, 2}, {2, 3}, {3, 4}, {4, 5}, {5, 0}});
  atomliste[0].tmpflag = 1;
  atome_nachschieben(1, Vektor3d(0, 1, 0), true);
  EXPECT_EQ(y(0), 0);
  for (int i = 1; i < 6; i++) EXPECT_EQ(y(i), 1) << i;
}

TEST_F(Nachschieben, AndereMolekueleBewegenSichNie) {
  int a = molekuel_bauen(3, {{0, 1}, {1, 2}});
  int b = molekuel_bauen(2, {{0, 1}});
  // bonds across the molecules, once under each molecule's number
  bondliste[anz_bonds++].set(a + 2, b, 1, 0);
  bondliste[anz_bonds++].set(a + 1, b + 1, 1, 1);
  atome_nachschieben(a, Vektor3d(0, 1, 0), true);
  EXPECT_EQ(y(a + 2), 1);
  EXPECT_EQ(y(b), 0);
  EXPECT_EQ(y(b + 1), 0);
  atome_nachschieben(b, Vektor3d(0, 1, 0), true);
  EXPECT_EQ(y(b + 1), 1);
  EXPECT_EQ(y(a + 1), 1);  // moved by the first walk only
}

TEST_F(Nachschieben, DrehtUmDenDrehpunkt) {
  molekuel_bauen(3, {{0, 1}, {1, 2}});
  atomliste[0].tmpflag = 1;
  Quaternion q;
  q.drehung_definieren(Vektor3d(0, 0, 1), M_PI / 2);
  atome_nachschieben(1, atomliste[0].p, q, true);
  EXPECT_NEAR(atomliste[1].p.x, 0, 1e-12);
  EXPECT_NEAR(atomliste[1].p.y, 1, 1e-12);
  EXPECT_NEAR(atomliste[2].p.y, 2, 1e-12);
  EXPECT_EQ(atomliste[0].p.x, 0);
  EXPECT_TRUE(alle_marken_frei());
}

// The walk follows the bonds in table order, depth first: a chain of 1000 atoms bonded
// from the far end backwards must still be walked completely (no recursion depth limit).
TEST_F(Nachschieben, TausendAtomeInEinerKette) {
  int nr = anz_molek++;
  molekuel[nr].init(nr, MAX_ATOME, MAX_ATOME - 1);
  for (int i = 0; i < MAX_ATOME; i++) {
    Vektor3d v(i, 0, 0);
    molekuel[nr].addatom("C", v);
  }
  for (int i = MAX_ATOME - 1; i > 0; i--) molekuel[nr].addbond(i - 1, i, 1);
  atome_nachschieben(0, Vektor3d(0, 3, 0), true);
  for (int i = 0; i < MAX_ATOME; i++) ASSERT_EQ(y(i), 3) << i;
  EXPECT_TRUE(alle_marken_frei());
}

}  // namespace
