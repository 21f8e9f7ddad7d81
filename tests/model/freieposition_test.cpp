// The free place beside an atom.
#include "model/freieposition.h"

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>
#include <vector>

#include "model/tabellen.h"
#include "testhilfe.h"

namespace {

// The free place beside a C at the origin, 1.5 radii away, as angles to its bonded neighbours; with
// H atoms all round the 120 degree cone the straight continuation is taken.
TEST(FreiePosition, NebenDenBindungen) {
  double r = 1 / std::sqrt(3.0), rand = 1.5 * 0.772;
  Vektor3d t[] = {{r, r, r}, {r, -r, -r}, {-r, r, -r}, {-r, -r, r}}, x(1, 0, 0), p0, h;
  // the bonded neighbours, the angles to them, whether H atoms crowd round the cone
  const std::tuple<std::vector<Vektor3d>, std::vector<double>, bool> faelle[] = {
      {{}, {}, false},
      {{x}, {120}, false},
      {{x}, {180}, true},
      {{x, {0, 1, 0}}, {135, 135}, false},
      {{x, -x}, {90, 90}, false},
      {{t, t + 3}, {109.47, 109.47, 109.47}, false},
      {{t, t + 4}, {90, 144.74, 35.26, 90}, false}};
  for (const auto& [nachbarn, winkel_soll, gedraengt] : faelle) {
    SCOPED_TRACE(nachbarn.size() * 10 + gedraengt);
    tabellen_leeren();
    Molekuel& m = molekuel[anz_molek++];
    m.init(0, 20, 4);
    m.addatom("C", p0);
    for (Vektor3d n : nachbarn) m.addatom("C", n), m.addbond(0, m.natoms - 1, 1);
    for (int k = 0; gedraengt && k < 12; k++)
      h = Vektor3d(-0.5, 0.866 * std::cos(k * M_PI / 6), 0.866 * std::sin(k * M_PI / 6)) * rand, m.addatom("H", h);
    m.rest_freigeben();
    Vektor3d& neu = atomliste[anz_atome].p;  // a slot beyond the atoms, to measure at
    EXPECT_EQ(ausgabe_von([&] { neu = freieposition(0); }),
              gedraengt ? "pneu2 ist Variante mit weniger Konflikt\n" : "");
    if (nachbarn.empty()) erwarte_nah(neu, rand, 0, 0);
    EXPECT_NEAR(abs(neu), rand, 1e-9);
    for (std::size_t i = 0; i < winkel_soll.size(); i++) EXPECT_NEAR(winkel(i + 1, 0, anz_atome), winkel_soll[i], 0.01);
  }
}

}  // namespace
