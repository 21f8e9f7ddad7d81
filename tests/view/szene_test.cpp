// The look of the scene: selected colours, bond sizes, cylinder orientation.
#include <gtest/gtest.h>

#include "testhilfe.h"
#include "view/szene.h"

namespace {

Atomlist farbig(int r, int g, int b) {
  Atomlist a;
  a.r = r;
  a.g = g;
  a.b = b;
  return a;
}

std::vector<int> hell(const Atomlist& a) {
  unsigned char r, g, b;
  heller(a, &r, &g, &b);
  return {r, g, b};
}

TEST(Szene, AusgewaehlteAtomeSindHeller) {
  EXPECT_EQ(hell(farbig(255, 20, 0)), (std::vector<int>{255, 100, 100}));
  EXPECT_EQ(hell(farbig(60, 120, 200)), (std::vector<int>{110, 170, 250}));
  EXPECT_EQ(hell(farbig(50, 50, 50)), (std::vector<int>{100, 100, 100}));
  Atomlist a = farbig(10, 20, 30);
  unsigned char r, g, b;
  atomfarbe(a, &r, &g, &b);
  EXPECT_EQ(r, 10);
  a.selectflag = 1;
  atomfarbe(a, &r, &g, &b);
  EXPECT_EQ(r, 100);
}

TEST(Szene, BindungenNachOrdnung) {
  EXPECT_EQ(zeichenordnung(1.5f), 1);
  EXPECT_EQ(zeichenordnung(2.5f), 2);
  EXPECT_EQ(zeichenordnung(3.7f), 3);
  EXPECT_EQ(zeichenordnung(1e30f), 3);
  EXPECT_EQ(zeichenordnung(-1e30f), 1);
  EXPECT_EQ(zeichenordnung(std::nanf("")), 1);
  EXPECT_DOUBLE_EQ(bindungsradius(1), 0.09325);
  EXPECT_DOUBLE_EQ(bindungsradius(0), 0.09325);
  EXPECT_DOUBLE_EQ(bindungsradius(2), 0.09325 * 1.75);
  EXPECT_DOUBLE_EQ(bindungsradius(3), 0.09325 * 2.5);
  EXPECT_EQ(linienbreite(1, 1200), 6);
  EXPECT_EQ(linienbreite(2, 1200), 12);
  EXPECT_EQ(linienbreite(3, 1200), 30);
  EXPECT_EQ(linienbreite(1, 2400), 12);
  EXPECT_EQ(linienbreite(2, 2400), 24);
  EXPECT_EQ(linienbreite(3, 2400), 60);
  EXPECT_EQ(linienbreite(1, 399), 1);
}

// The two turns of the cylinder bring its axis (+z) onto the bond direction.
TEST(Szene, ZylinderZeigtAufDasZweiteAtom) {
  for (Vektor3d d : {Vektor3d(1, 2, 3), Vektor3d(0, 0, -2), Vektor3d(-1, 0, 0), Vektor3d(0.3, -4, 0.1)}) {
    Ausrichtung w = zylinder_ausrichtung(d);
    double z = w.um_z * M_PI / 180, x = w.um_x * M_PI / 180;
    Vektor3d achse(0, -std::sin(x), std::cos(x));  // +z turned about x
    Vektor3d richtung(achse.x * std::cos(z) - achse.y * std::sin(z), achse.x * std::sin(z) + achse.y * std::cos(z),
                      achse.z);
    Vektor3d soll = d / abs(d);
    erwarte_nah(richtung, soll.x, soll.y, soll.z);
  }
}

}  // namespace
