// Vectors and quaternions as the program computes with them: angles and rotations.
#include <gtest/gtest.h>

#include "geometry/quaternion.h"
#include "testhilfe.h"

// The angle through the clamped cosine; the plane vectors, which no command uses, agree with it.
TEST(Vektor3d, Winkel) {
  Vektor3d a(0.1, 0.2, 0.7);  // its cosines with 3a and -3a come out just beyond 1 and -1
  EXPECT_NEAR(vektorwinkel2(Vektor3d(2, 0, 0), Vektor3d(-1.5, 1.5 * std::sqrt(3), 0)), 2 * M_PI / 3, 1e-12);
  EXPECT_NEAR(vektorwinkel2(a, a * 3), 0, 1e-12);
  EXPECT_NEAR(vektorwinkel2(a, a * -3), M_PI, 1e-12);
  EXPECT_NEAR(vektorwinkel(vektor(3, 4), vektor(0, 2)), vektorwinkel2(Vektor3d(3, 4, 0), Vektor3d(0, 2, 0)), 1e-12);
}

// Right-handed about an axis of any length, kept for the next vector; 2 pi or an axis of length 0 turn nothing.
TEST(Quaternion, Drehen) {
  const Vektor3d v(4, -5, 6);
  Quaternion q;
  erwarte_nah(q.vektordrehen(v, Vektor3d(2, 3, 6), M_PI / 2), {394.0 / 49, 171.0 / 49, 20.0 / 49});
  erwarte_nah(q.vektordrehen(Vektor3d(7, 0, 0)), {4.0 / 7, 48.0 / 7, -9.0 / 7});
  q.drehung_definieren(Vektor3d(1, 2, 3), 2 * M_PI);
  erwarte_nah(q.vektordrehen(v), v);
  q.drehung_definieren(Vektor3d(), 1.0);
  erwarte_nah(q.vektordrehen(v), v);
}
