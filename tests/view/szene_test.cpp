// The look of the scene: selected colours, bond sizes, cylinder orientation, hidden stacks.
#include <gtest/gtest.h>

#include "testhilfe.h"
#include "view/ansicht.h"
#include "view/szene.h"

// Selected atoms are drawn 50 brighter per channel, within 100 and 255.
TEST(Szene, AusgewaehlteAtomeSindHeller) {
  for (auto [farbe, selektiert, soll] : {std::tuple(std::vector<int>{10, 20, 30}, 0, std::vector<int>{10, 20, 30}),
                                         {{255, 20, 0}, 1, {255, 100, 100}}, {{60, 120, 200}, 1, {110, 170, 250}}}) {
    Atomlist a;
    a.r = farbe[0], a.g = farbe[1], a.b = farbe[2], a.selectflag = selektiert;
    unsigned char f[3];
    atomfarbe(a, &f[0], &f[1], &f[2]);
    EXPECT_EQ(std::vector<int>(f, f + 3), soll);
  }
}

TEST(Szene, BindungenNachOrdnung) {
  for (auto [strong, c] : {std::pair(1.5f, 1), {2.5f, 2}, {3.7f, 3}, {1e30f, 3}, {-1e30f, 1}, {std::nanf(""), 1}})
    EXPECT_EQ(zeichenordnung(strong), c) << strong;
  EXPECT_EQ(std::vector<double>({bindungsradius(0), bindungsradius(1), bindungsradius(2), bindungsradius(3)}),
            std::vector<double>({0.09325, 0.09325, 0.09325 * 1.75, 0.09325 * 2.5}));
  EXPECT_EQ(std::vector<float>({linienbreite(1, 1200), linienbreite(2, 1200), linienbreite(3, 1200),
                                linienbreite(1, 399)}),
            std::vector<float>({6, 12, 30, 1}));
}

// The two turns of the cylinder, about x and then about z, bring its axis (+z) onto the bond.
TEST(Szene, ZylinderZeigtAufDasZweiteAtom) {
  for (Vektor3d d : {Vektor3d(1, 2, 3), Vektor3d(0, 0, -2), Vektor3d(-1, 0, 0), Vektor3d(0.3, -4, 0.1)}) {
    Ausrichtung w = zylinder_ausrichtung(d);
    double x = w.um_x * M_PI / 180, sz = std::sin(w.um_z * M_PI / 180), cz = std::cos(w.um_z * M_PI / 180);
    erwarte_nah(Vektor3d(std::sin(x) * sz, -std::sin(x) * cz, std::cos(x)), d / abs(d));
  }
}

struct Verdeckt : testing::Test {
  void SetUp() override { eye = Vektor3d(0, 0, 10), cent = Vektor3d(), bildbreite = 1200, bildhoehe = 900; }
  const Vektor3d a{0, 0, 0}, b{1.54, 0, 0};  // a C-C bond
  bool ganz(Stapelbereich s) { return s.von == 0 && s.bis == ZYLINDER_STACKS && !s.geschlossen; }
};

// The frame is seen from one unit behind eye; the near plane may cut 0.2 into the scene.
TEST_F(Verdeckt, KameraLiegtEineEinheitHinterEye) {
  erwarte_nah(kamerapunkt(), 0, 0, 11);
  eye = Vektor3d(3, 4, 0);
  erwarte_nah(kamerapunkt(), 3.6, 4.8, 0);
  for (auto [p, r, aussen] : {std::tuple(Vektor3d(), 2, true), {Vektor3d(3.6, 4.8, 0.5), 1, false},
                              {Vektor3d(3.6, 4.8, 1.1), 1, false}, {Vektor3d(3.6, 4.8, 1.5), 1, true}})
    EXPECT_EQ(von_aussen(p, r), aussen) << p.z;
}

// Of the 100 stacks of a C-C bond the first and last 48 lie inside the solid spheres (0.98 of
// their radius, the polyhedron) and are not drawn; the open ends of the rest are inside too.
TEST_F(Verdeckt, StapelInDenKugelnEntfallen) {
  Stapelbereich s = sichtbare_stapel(a, 0.772, b, 0.772, BINDUNGSRADIUS);
  EXPECT_EQ(std::vector<int>({s.von, s.bis, s.geschlossen}), std::vector<int>({48, 52, 1}));
  Stapelbereich kurz = sichtbare_stapel(a, 0.772, Vektor3d(1.07, 0, 0), 0.373, BINDUNGSRADIUS);  // C-H
  EXPECT_EQ(std::vector<int>({kurz.von, kurz.bis, kurz.geschlossen}), std::vector<int>({0, 0, 1}));
}

TEST_F(Verdeckt, OhneSolideKugelnWirdAllesGezeichnet) {
  EXPECT_TRUE(ganz(sichtbare_stapel(a, 0, b, 0.772, BINDUNGSRADIUS)));      // radius 0 or wire
  EXPECT_TRUE(ganz(sichtbare_stapel(a, 0.772, b, 0.09, BINDUNGSRADIUS)));   // thinner than the bond
  EXPECT_TRUE(ganz(sichtbare_stapel(a, 0.772, a, 0.772, BINDUNGSRADIUS)));  // no length
  eye = Vektor3d(0.77, 0, 1), cent = Vektor3d(0.77, 0, 2);                 // camera in the bond
  EXPECT_TRUE(ganz(sichtbare_stapel(a, 0.772, b, 0.772, BINDUNGSRADIUS)));
  eye = Vektor3d(0, 0, -0.5), cent = Vektor3d();  // camera in a sphere
  Vektor3d tiefer(0, 0, -1.5);
  EXPECT_TRUE(ganz(sichtbare_stapel(a + tiefer, 0.772, b + tiefer, 0.772, BINDUNGSRADIUS)));
}
