// Vectors: arithmetic, angles with and without clamping, rotation sense, integer pairs.
#include <gtest/gtest.h>

#include "geometry/vektor.h"
#include "testhilfe.h"

namespace {

TEST(Vektor3d, RechnetKomponentenweise) {
  Vektor3d a(1, 2, 3), b(4, -5, 6);
  erwarte_nah(a + b, 5, -3, 9);
  erwarte_nah(a - b, -3, 7, -3);
  erwarte_nah(a * 2, 2, 4, 6);
  erwarte_nah(2 * a, 2, 4, 6);
  erwarte_nah(a / 2, 0.5, 1, 1.5);
  erwarte_nah(-a, -1, -2, -3);
  erwarte_nah(a * b, 4, -10, 18);
  erwarte_nah(b / a, 4, -2.5, 2);
  EXPECT_DOUBLE_EQ(Vektor3dprodukt(a, b), 12);
  EXPECT_DOUBLE_EQ(absquadrat(a), 14);
  EXPECT_DOUBLE_EQ(abs(Vektor3d(3, 4, 12)), 13);
  EXPECT_EQ(absd(-2.5), 2.5);
  EXPECT_EQ(absd(2.5), 2.5);
  erwarte_nah(pow(2.0, Vektor3d(1, 2, 3)), 2, 4, 8);
  erwarte_nah(pow(Vektor3d(2, 3, 4), Vektor3d(2, 2, 0.5)), 4, 9, 2);
  erwarte_nah(sqrt(Vektor3d(4, 9, 16)), 2, 3, 4);
}

TEST(Vektor3d, VerbundzuweisungenGebenDenNeuenWertZurueck) {
  Vektor3d a(1, 1, 1);
  erwarte_nah(a += Vektor3d(1, 2, 3), 2, 3, 4);
  erwarte_nah(a -= Vektor3d(1, 1, 1), 1, 2, 3);
  erwarte_nah(a *= 2, 2, 4, 6);
  Vektor3d e(0, 3, 4);
  erwarte_nah(e.einheitsvektor(), 0, 0.6, 0.8);
  erwarte_nah(e, 0, 0.6, 0.8);
}

TEST(Vektor3d, KreuzproduktIstRechtshaendig) {
  erwarte_nah(vektorkreuzprodukt(Vektor3d(1, 0, 0), Vektor3d(0, 1, 0)), 0, 0, 1);
  erwarte_nah(vektorkreuzprodukt(Vektor3d(0, 1, 0), Vektor3d(1, 0, 0)), 0, 0, -1);
}

TEST(Winkel, Vektorwinkel2KlemmtDenKosinus) {
  EXPECT_DOUBLE_EQ(vektorwinkel2(Vektor3d(1, 2, 3), Vektor3d(2, 4, 6)), 0);
  EXPECT_DOUBLE_EQ(vektorwinkel2(Vektor3d(1, 2, 3), Vektor3d(-3, -6, -9)), M_PI);
  EXPECT_NEAR(vektorwinkel2(Vektor3d(1, 0, 0), Vektor3d(0, 0, 7)), M_PI / 2, 1e-15);
  // rounding beyond +-1 must not reach acos
  Vektor3d a(0.1, 0.2, 0.3);
  EXPECT_FALSE(std::isnan(vektorwinkel2(a, a * 3)));
  EXPECT_FALSE(std::isnan(vektorwinkel2(a, a * -3)));
}

TEST(Winkel, VektorwinkelUeberDenSinusKenntKeineStumpfenWinkel) {
  Vektor3d u(1, 0, 0), v(std::cos(2 * M_PI / 3), std::sin(2 * M_PI / 3), 0);
  EXPECT_NEAR(vektorwinkel(u, v), M_PI / 3, 1e-12);
  EXPECT_NEAR(vektorwinkel2(u, v), 2 * M_PI / 3, 1e-12);
  EXPECT_NEAR(sinvektorwinkel(u, v), std::sqrt(3) / 2, 1e-12);
  EXPECT_NEAR(cosvektorwinkel(u, v), -0.5, 1e-12);
  EXPECT_NEAR(xwinkel(Vektor3d(-1, 0, 0)), M_PI, 1e-15);
  EXPECT_NEAR(xwinkel(Vektor3d(1, 1, 0)), M_PI / 4, 1e-15);
}

TEST(Winkel, ZwischenVektorUndFlaeche) {
  Vektor3d o(0, 0, 0), ex(1, 0, 0), ey(0, 1, 0);
  EXPECT_NEAR(winkel_zwischen_vektor_und_flaeche(Vektor3d(0, 0, 1), o, ex, ey), M_PI / 2, 1e-12);
  EXPECT_NEAR(winkel_zwischen_vektor_und_flaeche(Vektor3d(1, 1, 0), o, ex, ey), 0, 1e-12);
  EXPECT_NEAR(winkel_zwischen_vektor_und_flaeche(Vektor3d(1, 0, 1), o, ex, ey), M_PI / 4, 1e-12);
  // a tilted plane, and p2 on the z axis
  EXPECT_NEAR(sinwinkel_zwischen_vektor_und_flaeche(Vektor3d(1, 0, 0), Vektor3d(0, 0, 2), Vektor3d(0, 1, 0)),
              1, 1e-12);
  EXPECT_NEAR(sinwinkel_zwischen_vektor_und_flaeche(Vektor3d(0, 5, 5), Vektor3d(0, 0, 2), Vektor3d(0, 1, 0)),
              0, 1e-12);
  // parallel directions span no plane
  EXPECT_EQ(sinwinkel_zwischen_vektor_und_flaeche(Vektor3d(0, 0, 1), ex, ex * 2), 0);
}

TEST(Ebenendrehung, DrehtDieErsteAchseZurZweiten) {
  Vektor3d v(1, 0, 5);
  v.drehenxy(1, 0);
  erwarte_nah(v, 0, 1, 5);
  v = Vektor3d(0, 1, 5);
  v.drehenyx(1, 0);
  erwarte_nah(v, 1, 0, 5);
  v = Vektor3d(1, 7, 0);
  v.drehenxz(1, 0);
  erwarte_nah(v, 0, 7, 1);
  v = Vektor3d(0, 7, 1);
  v.drehenzx(1, 0);
  erwarte_nah(v, 1, 7, 0);
  v = Vektor3d(7, 1, 0);
  v.drehenyz(1, 0);
  erwarte_nah(v, 7, 0, 1);
  v = Vektor3d(7, 0, 1);
  v.drehenzy(1, 0);
  erwarte_nah(v, 7, 1, 0);
}

TEST(Ebenenvektor, WinkelUndDrehung) {
  vektor a(3, 4), b(-4, 3);
  EXPECT_DOUBLE_EQ(vektorprodukt(a, b), 0);
  EXPECT_DOUBLE_EQ(abs(a), 5);
  EXPECT_NEAR(vektorwinkel(a, b), M_PI / 2, 1e-15);
  vektor d = vektordrehen(a, M_PI / 2);
  EXPECT_NEAR(d.x, -4, 1e-12);
  EXPECT_NEAR(d.y, 3, 1e-12);
  vektor s = (a + b) * 2 - b / 2 + -a;
  EXPECT_DOUBLE_EQ(s.x, 3 - 8 + 2);
  EXPECT_DOUBLE_EQ(s.y, 4 + 6 - 1.5);
}

TEST(Ebenenvektor, VorzeichenbehafteterWinkelNimmtDenKuerzerenWeg) {
  double e = 1e-3;
  EXPECT_NEAR(vektorwinkelv(vektor(1, 0), vektor(-1, -e)), -M_PI + e, 1e-9);
  EXPECT_NEAR(vektorwinkelv(vektor(-1, -e), vektor(-1, e)), -2 * e, 1e-9);
  EXPECT_NEAR(vektorwinkelv(vektor(1, 0), vektor(0, 1)), M_PI / 2, 1e-15);
}

TEST(Ebenenvektor, SplitNachDemSinussatz) {
  vektor a(2, 0), c(0, 0), b(0, 0);
  vektorsplit(a, M_PI / 4, M_PI / 4, &c, &b);
  EXPECT_NEAR(c.x, 1, 1e-12);
  EXPECT_NEAR(c.y, 1, 1e-12);
  EXPECT_NEAR(b.x, 1, 1e-12);
  EXPECT_NEAR(b.y, -1, 1e-12);
}

TEST(Intvektor, TeiltZurNullHin) {
  Intvektor p(-7, 7);
  p /= 2;
  EXPECT_EQ(p.x, -3);
  EXPECT_EQ(p.y, 3);
  p -= Intvektor(1, 1);
  EXPECT_EQ(p.x, -4);
  EXPECT_EQ(p.y, 2);
  Intvektor n = -p;
  EXPECT_EQ(n.x, 4);
  EXPECT_EQ(n.y, -2);
}

}  // namespace
