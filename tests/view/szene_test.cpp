// The look of the scene: selected colours, bond sizes, cylinder orientation.
#include <gtest/gtest.h>

#include "testhilfe.h"
#include "view/ansicht.h"
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

struct Verdeckt : testing::Test {
  void SetUp() override {
    eye = Vektor3d(0, 0, 10);
    cent = Vektor3d(0, 0, 0);
    bildbreite = 1200;
    bildhoehe = 900;
  }
};

TEST_F(Verdeckt, KameraLiegtEineEinheitHinterEye) {
  erwarte_nah(kamerapunkt(), 0, 0, 11);
  eye = Vektor3d(3, 4, 0);
  erwarte_nah(kamerapunkt(), 3.6, 4.8, 0);
  EXPECT_TRUE(von_aussen(Vektor3d(0, 0, 0), 2));
  EXPECT_FALSE(von_aussen(Vektor3d(3.6, 4.8, 0.5), 1));
  EXPECT_FALSE(von_aussen(Vektor3d(3.6, 4.8, 1.1), 1));  // the near plane would cut it
  EXPECT_TRUE(von_aussen(Vektor3d(3.6, 4.8, 1.5), 1));
}

// A C-H bond: the stacks that lie inside the two solid spheres are not drawn, and the open
// ends of the rest are inside them.
TEST_F(Verdeckt, StapelInDenKugelnEntfallen) {
  Vektor3d a(0, 0, 0), b(1.54, 0, 0);
  Stapelbereich s = sichtbare_stapel(a, 0.772, b, 0.772, BINDUNGSRADIUS);
  EXPECT_TRUE(s.geschlossen);
  EXPECT_GT(s.von, 40);
  EXPECT_LT(s.bis, 60);
  EXPECT_LE(s.von, s.bis);
  // every stack left out lies inside a sphere, with its outer rim
  double stapel = 1.54 / ZYLINDER_STACKS;
  EXPECT_LT(std::hypot(s.von * stapel, BINDUNGSRADIUS), 0.772);
  EXPECT_LT(std::hypot(1.54 - s.bis * stapel, BINDUNGSRADIUS), 0.772);
  // the first stack drawn reaches out of the polyhedron of the sphere
  EXPECT_GT(std::hypot((s.von + 1) * stapel, BINDUNGSRADIUS), 0.99 * 0.772 * 0.98);
  Stapelbereich kurz = sichtbare_stapel(a, 0.772, Vektor3d(1.07, 0, 0), 0.373, BINDUNGSRADIUS);
  EXPECT_EQ(kurz.von, kurz.bis);
}

TEST_F(Verdeckt, OhneSolideKugelnWirdAllesGezeichnet) {
  Vektor3d a(0, 0, 0), b(1.54, 0, 0);
  auto ganz = [](Stapelbereich s) { return s.von == 0 && s.bis == ZYLINDER_STACKS && !s.geschlossen; };
  EXPECT_TRUE(ganz(sichtbare_stapel(a, 0, b, 0.772, BINDUNGSRADIUS)));         // radius 0 or wire
  EXPECT_TRUE(ganz(sichtbare_stapel(a, 0.772, b, 0.09, BINDUNGSRADIUS)));      // thinner than the bond
  EXPECT_TRUE(ganz(sichtbare_stapel(a, 0.772, a, 0.772, BINDUNGSRADIUS)));     // no length
  eye = Vektor3d(0.77, 0, 1);                                                // camera in the bond
  cent = Vektor3d(0.77, 0, 2);
  EXPECT_TRUE(ganz(sichtbare_stapel(a, 0.772, b, 0.772, BINDUNGSRADIUS)));
  eye = Vektor3d(0, 0, -0.5);                                                // camera in a sphere
  cent = Vektor3d(0, 0, 0);
  EXPECT_TRUE(ganz(sichtbare_stapel(Vektor3d(0, 0, -1.5), 0.772, Vektor3d(1.54, 0, -1.5), 0.772,
                                    BINDUNGSRADIUS)));
}

}  // namespace
