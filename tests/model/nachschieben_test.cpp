// Moving the rest of a molecule: marked barriers, rings, other molecules, visiting order.
#include <gtest/gtest.h>

#include "model/nachschieben.h"
#include "model/tabellen.h"
#include "testhilfe.h"

using Bindungen = std::vector<std::pair<int, int>>;
static const Bindungen kette = {{0, 1}, {1, 2}, {2, 3}, {3, 4}, {4, 5}};

// Carbon atoms at x = 0, 1, ... of the molecules in mol (a digit each), bonds under the molecule of a, marks.
static void bauen(const std::string& mol, const Bindungen& bindungen, const std::vector<int>& marken) {
  tabellen_leeren();
  Vektor3d v;
  for (char m : mol) atomliste[anz_atome++].set("C", v, m - '0'), v.x++;
  for (auto [a, b] : bindungen) bondliste[anz_bonds++].set(a, b, 1, atomliste[a].molekuelnr);
  for (int i : marken) atomliste[i].tmpflag = 1;
}

// y of every atom, then a 1 for every mark left.
static std::string y_und_marken() {
  std::string s;
  for (int i = 0; i < anz_atome; i++) s += std::to_string(std::lround(atomliste[i].p.y));
  for (int i = 0; i < anz_atome; i++) s += atomliste[i].tmpflag ? "1" : "";
  return s;
}

// Each row shifts by y = 1 from its start atom; only the caller's call (startflag) clears the marks.
TEST(Nachschieben, VerschiebtWasDieMarkenNichtAbtrennen) {
  Bindungen ring = kette, quer = {{0, 1}, {1, 2}, {2, 3}, {4, 1}, {3, 4}}, rueckwaerts;
  ring.emplace_back(5, 0);
  for (int i = MAX_ATOME - 1; i > 0; i--) rueckwaerts.emplace_back(i - 1, i);
  const std::tuple<const char*, std::string, Bindungen, std::vector<int>, int, bool, std::string> faelle[] = {
      {"die Marke trennt ab", "000000", kette, {1}, 2, true, "001111"},
      {"ein markierter Start bleibt, loescht aber die Marken", "000000", kette, {1, 2}, 2, false, "000111"},
      {"um den Ring durch Atom 0", "000000", ring, {3}, 4, true, "111011"},
      // bonds across the molecules, once under each molecule's number
      {"in Molekuel 0", "00011", quer, {}, 0, true, "11100"}, {"in Molekuel 1", "00011", quer, {}, 3, true, "00011"},
      // depth first in bond table order, without a depth limit: bonded from the far end
      {"1000 Atome", std::string(MAX_ATOME, '0'), rueckwaerts, {}, 0, true, std::string(MAX_ATOME, '1')}};
  for (const auto& [was, mol, bindungen, marken, start, startflag, soll] : faelle) {
    SCOPED_TRACE(was);
    bauen(mol, bindungen, marken);
    atome_nachschieben(start, Vektor3d(0, 1, 0), startflag);
    EXPECT_EQ(y_und_marken(), soll);
  }
}

TEST(Nachschieben, DrehtUmDenDrehpunkt) {
  bauen("000000", kette, {1});
  Quaternion q;
  q.drehung_definieren(Vektor3d(0, 0, 1), M_PI / 2);
  atome_nachschieben(2, atomliste[1].p, q, true);
  erwarte_nah(atomliste[5].p, 1, 4, 0);
  EXPECT_EQ(y_und_marken(), "001234");
}
