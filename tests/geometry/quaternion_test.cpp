// Quaternions: rotation sense and axis, the Hamilton product, sum and norm, no NaN.
#include <gtest/gtest.h>

#include "geometry/quaternion.h"
#include "testhilfe.h"

// v turned by w about achse, by Rodrigues' formula.
static Vektor3d gedreht(Vektor3d v, Vektor3d achse, double w) {
  Vektor3d k = achse / abs(achse);
  return v * std::cos(w) + vektorkreuzprodukt(k, v) * std::sin(w) + k * Vektor3dprodukt(k, v) * (1 - std::cos(w));
}

static const Vektor3d v(4, -5, 6), achse(1, 2, 3);

TEST(Quaternion, DrehtRechtshaendigUmDieAchse) {
  Quaternion q;
  q.drehung_definieren(Vektor3d(0, 0, 5), M_PI / 2);
  erwarte_nah(q.vektordrehen(Vektor3d(1, 0, 0)), 0, 1, 0);
  // about any axis; the three-argument form defines the rotation it applies and keeps it
  erwarte_nah(q.vektordrehen(v, achse, 1.0), gedreht(v, achse, 1.0));
  erwarte_nah(q.vektordrehen(Vektor3d(0, 0, 1)), gedreht(Vektor3d(0, 0, 1), achse, 1.0));
  // angle 0 or 2 pi, or an axis of length 0: the identity, no NaN
  for (auto [a, w] : {std::pair(achse, 0.0), {achse, 2 * M_PI}, {Vektor3d(), 1.0}}) {
    q.drehung_definieren(a, w);
    erwarte_nah(q.vektordrehen(v), v);
  }
}

// The product turns by its right factor first, then by its left one.
TEST(Quaternion, ProduktSummeUndNorm) {
  Quaternion p, q;
  p.drehung_definieren(achse, 0.3);
  q.drehung_definieren(Vektor3d(-2, 1, 1), 0.4);
  erwarte_nah((p * q).vektordrehen(v), gedreht(gedreht(v, Vektor3d(-2, 1, 1), 0.4), achse, 0.3));
  Quaternion s = Quaternion(1, 2, 3, 4) + Quaternion(10, 20, 30, 40), n(2, 4, 4, 8);
  n.normieren();
  EXPECT_EQ(std::vector<double>({s.a, s.b, s.c, s.d, n.a, n.b, n.c, n.d}),
            std::vector<double>({11, 22, 33, 44, 0.2, 0.4, 0.4, 0.8}));
}
