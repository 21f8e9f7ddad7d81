// Quaternions: rotation sense, axis length, matrix, identity for angle 0, no NaN.
#include <gtest/gtest.h>

#include "geometry/quaternion.h"
#include "testhilfe.h"

namespace {

TEST(Quaternion, PositiverWinkelDrehtXZuY) {
  Quaternion q;
  q.drehung_definieren(Vektor3d(0, 0, 5), M_PI / 2);
  erwarte_nah(q.vektordrehen(Vektor3d(1, 0, 0)), 0, 1, 0);
  q.drehung_definieren(Vektor3d(0, 0, 5), -M_PI / 2);
  erwarte_nah(q.vektordrehen(Vektor3d(1, 0, 0)), 0, -1, 0);
}

TEST(Quaternion, AchsenlaengeZaehltNicht) {
  Quaternion lang, kurz;
  lang.drehung_definieren(Vektor3d(0, 0, 5), 1.0);
  kurz.drehung_definieren(Vektor3d(0, 0, 1), 1.0);
  EXPECT_DOUBLE_EQ(lang.a, std::cos(0.5));
  EXPECT_NEAR(lang.d, std::sin(0.5), 1e-15);
  EXPECT_NEAR(lang.d, kurz.d, 1e-15);
  EXPECT_EQ(lang.b, 0);
  EXPECT_EQ(lang.c, 0);
}

TEST(Quaternion, DreiArgumenteBehaltenDieDrehung) {
  Quaternion q;
  erwarte_nah(q.vektordrehen(Vektor3d(0, 1, 0), Vektor3d(1, 0, 0), M_PI / 2), 0, 0, 1);
  erwarte_nah(q.vektordrehen(Vektor3d(0, 0, 1)), 0, -1, 0);
}

TEST(Quaternion, Rotationsmatrix) {
  Drehmatrix e = Quaternion(1, 0, 0, 0).rotationsmatrix();
  EXPECT_EQ(e.a, 1);
  EXPECT_EQ(e.e, 1);
  EXPECT_EQ(e.i, 1);
  EXPECT_EQ(e.b + e.c + e.d + e.f + e.g + e.h, 0);
  Drehmatrix n = Quaternion().rotationsmatrix();
  EXPECT_EQ(n.a + n.b + n.c + n.d + n.e + n.f + n.g + n.h + n.i, 0);
  // not of unit length: the rotation times the squared norm
  Drehmatrix z = Quaternion(2, 0, 0, 0).rotationsmatrix();
  EXPECT_EQ(z.a, 4);
}

TEST(Quaternion, NormierenUndProdukt) {
  Quaternion q(2, 0, 0, 0);
  q.normieren();
  EXPECT_EQ(q.a, 1);
  Quaternion x, y;
  x.drehung_definieren(Vektor3d(0, 0, 1), 0.3);
  y.drehung_definieren(Vektor3d(0, 0, 1), 0.4);
  Quaternion xy = x * y;
  erwarte_nah(xy.vektordrehen(Vektor3d(1, 0, 0)), std::cos(0.7), std::sin(0.7), 0);
  Quaternion s = x + y;
  EXPECT_DOUBLE_EQ(s.a, x.a + y.a);
  s += x;
  EXPECT_DOUBLE_EQ(s.d, 2 * x.d + y.d);
}

TEST(Quaternion, WinkelNullIstDieIdentitaetUndNullachseGibtKeinNaN) {
  Quaternion q;
  q.drehung_definieren(Vektor3d(1, 2, 3), 0);
  erwarte_nah(q.vektordrehen(Vektor3d(4, 5, 6)), 4, 5, 6);
  q.drehung_definieren(Vektor3d(1, 2, 3), 2 * M_PI);
  erwarte_nah(q.vektordrehen(Vektor3d(4, 5, 6)), 4, 5, 6);
  q.drehung_definieren(Vektor3d(0, 0, 0), 1.0);
  erwarte_nah(q.vektordrehen(Vektor3d(4, 5, 6)), 4, 5, 6);
}

}  // namespace
