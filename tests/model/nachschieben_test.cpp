// Moving the rest of a molecule: marked barriers, rings, other molecules, visiting order.
#include <gtest/gtest.h>

#include "model/nachschieben.h"
#include "model/tabellen.h"
#include "testhilfe.h"

using Bindungen = std::vector<std::pair<int, int>>;

// Bonds 0-1, 1-2, ... between n atoms.
static Bindungen kette(int n) {
  Bindungen k;
  for (int i = 1; i < n; i++) k.emplace_back(i - 1, i);
  return k;
}

// A molecule of carbon atoms at x = 0, 1, 2, ... with the given bonds (block-relative).
static void molekuel_bauen(int atome, const Bindungen& bindungen) {
  Molekuel& m = molekuel[anz_molek];
  m.init(anz_molek++, atome, static_cast<int>(bindungen.size()));
  for (Vektor3d v; v.x < atome; v.x++) m.addatom("C", v);
  for (auto [a, b] : bindungen) m.addbond(m.ia + a, m.ia + b, 1);
}

// y of every atom, then a 1 for every mark left.
static std::string y_und_marken() {
  std::string s;
  for (int i = 0; i < anz_atome; i++) s += std::to_string(std::lround(atomliste[i].p.y));
  for (int i = 0; i < anz_atome; i++) s += atomliste[i].tmpflag ? "1" : "";
  return s;
}

// Marks the atoms in marken, shifts by y = 1 from start and returns y_und_marken().
static std::string schieben(const Bindungen& bindungen, int atome, std::vector<int> marken, int start,
                            bool startflag = true) {
  tabellen_leeren();
  molekuel_bauen(atome, bindungen);
  for (int i : marken) atomliste[i].tmpflag = 1;
  atome_nachschieben(start, Vektor3d(0, 1, 0), startflag);
  return y_und_marken();
}

TEST(Nachschieben, VerschiebtWasDieMarkenNichtAbtrennen) {
  EXPECT_EQ(schieben(kette(5), 5, {1}, 2), "00111");
  EXPECT_EQ(schieben(kette(4), 4, {1, 2}, 2, false), "0001");  // a marked start stays, but clears the marks
  EXPECT_EQ(schieben(kette(2), 2, {0, 1}, 1), "00");
  EXPECT_EQ(schieben({{1, 2}}, 3, {}, 0), "100");
  Bindungen ring = kette(6);
  ring.emplace_back(5, 0);
  EXPECT_EQ(schieben(ring, 6, {3}, 4), "111011");  // round the ring through atom 0
  // depth first in bond table order, without a depth limit: 1000 atoms bonded from the far end
  Bindungen rueckwaerts;
  for (int i = MAX_ATOME - 1; i > 0; i--) rueckwaerts.emplace_back(i - 1, i);
  EXPECT_EQ(schieben(rueckwaerts, MAX_ATOME, {}, 0), std::string(MAX_ATOME, '1'));
}

TEST(Nachschieben, AndereMolekueleBewegenSichNie) {
  tabellen_leeren();
  molekuel_bauen(3, kette(3));
  molekuel_bauen(2, kette(2));
  // bonds across the molecules, once under each molecule's number
  bondliste[anz_bonds++].set(2, 3, 1, 0);
  bondliste[anz_bonds++].set(1, 4, 1, 1);
  atome_nachschieben(0, Vektor3d(0, 1, 0), true);
  EXPECT_EQ(y_und_marken(), "11100");
  atome_nachschieben(3, Vektor3d(0, 1, 0), true);
  EXPECT_EQ(y_und_marken(), "11111");
}

TEST(Nachschieben, DrehtUmDenDrehpunkt) {
  tabellen_leeren();
  molekuel_bauen(4, kette(4));
  atomliste[1].tmpflag = 1;
  Quaternion q;
  q.drehung_definieren(Vektor3d(0, 0, 1), M_PI / 2);
  atome_nachschieben(2, atomliste[1].p, q, true);
  erwarte_nah(atomliste[3].p, 1, 2, 0);
  EXPECT_EQ(y_und_marken(), "0012");
}
