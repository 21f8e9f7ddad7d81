// Vectors and quaternions as the program computes with them: arithmetic, products, angles, rotations.
#include <gtest/gtest.h>

#include "geometry/quaternion.h"
#include "testhilfe.h"

// The arithmetic of positions; the cross product b x a; lengths and unit vectors.
TEST(Vektor3d, Rechnen) {
  Vektor3d a(1, 2, 3), b(4, -5, 6);
  erwarte_nah(a - b, -3, 7, -3);
  erwarte_nah(a / 2, 0.5, 1, 1.5);
  erwarte_nah(-a, -1, -2, -3);
  erwarte_nah(vektorkreuzprodukt(a, b), 27, 6, -13);
  erwarte_nah(a += b, 5, -3, 9);
  erwarte_nah(a -= Vektor3d(4, -5, 7), 1, 2, 2);
  EXPECT_EQ(abs(a), 3);
  erwarte_nah(a.einheitsvektor(), 1.0 / 3, 2.0 / 3, 2.0 / 3);
}

// The angle through the clamped cosine; the plane vectors, which no command uses, agree with it.
TEST(Vektor3d, Winkel) {
  Vektor3d a(0.1, 0.2, 0.7);  // its cosines with 3a and -3a come out just beyond 1 and -1
  EXPECT_NEAR(vektorwinkel2(Vektor3d(2, 0, 0), Vektor3d(-1.5, 1.5 * std::sqrt(3), 0)), 2 * M_PI / 3, 1e-12);
  EXPECT_NEAR(vektorwinkel2(a, a * 3), 0, 1e-12);
  EXPECT_NEAR(vektorwinkel2(a, a * -3), M_PI, 1e-12);
  EXPECT_NEAR(vektorwinkel(vektor(3, 4), vektor(0, 2)), vektorwinkel2(Vektor3d(3, 4, 0), Vektor3d(0, 2, 0)), 1e-12);
}

// Right-handed about an axis of any length, here (2, 3, 6) of length 7; the three-argument form keeps the rotation
// it applies. Angle 2 pi, or an axis of length 0, leave every vector where it is.
TEST(Quaternion, Drehen) {
  const Vektor3d v(4, -5, 6);
  Quaternion q;
  erwarte_nah(q.vektordrehen(v, Vektor3d(2, 3, 6), M_PI / 2), 394.0 / 49, 171.0 / 49, 20.0 / 49);
  erwarte_nah(q.vektordrehen(Vektor3d(7, 0, 0)), 4.0 / 7, 48.0 / 7, -9.0 / 7);
  q.drehung_definieren(Vektor3d(1, 2, 3), 2 * M_PI);
  erwarte_nah(q.vektordrehen(v), v);
  q.drehung_definieren(Vektor3d(), 1.0);
  erwarte_nah(q.vektordrehen(v), v);
}
