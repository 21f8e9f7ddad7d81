// Vectors and quaternions: arithmetic, angles with and without clamping, rotation sense, integer pairs.
#include <gtest/gtest.h>

#include "geometry/quaternion.h"
#include "testhilfe.h"

// (1, 2, 3) turned in a plane by the sine 0.6 and cosine 0.8: drehenPQ turns the P axis towards Q.
static Vektor3d eben(void (Vektor3d::*drehen)(double, double)) {
  Vektor3d v(1, 2, 3);
  return (v.*drehen)(0.6, 0.8), v;
}

TEST(Vektor3d, Rechnen) {
  Vektor3d a(1, 2, 3), b(4, -5, 6);
  for (auto [name, ist, soll] : {std::tuple("a + b", a + b, Vektor3d(5, -3, 9)),
                                 {"a - b", a - b, {-3, 7, -3}},
                                 {"a * 2", a * 2, {2, 4, 6}},
                                 {"2 * a", 2 * a, {2, 4, 6}},
                                 {"a / 2", a / 2, {0.5, 1, 1.5}},
                                 {"-a", -a, {-1, -2, -3}},
                                 {"a * b", a * b, {4, -10, 18}},
                                 {"b / a", b / a, {4, -2.5, 2}},
                                 {"2 ^ a", pow(2.0, a), {2, 4, 8}},
                                 {"a x b", vektorkreuzprodukt(a, b), {27, 6, -13}},
                                 {"sqrt", sqrt(Vektor3d(4, 9, 16)), {2, 3, 4}},
                                 {"a ^ b", pow(Vektor3d(4, 9, 2), Vektor3d(0.5, 0.5, 3)), {2, 3, 8}},
                                 {"xy", eben(&Vektor3d::drehenxy), {-0.4, 2.2, 3}},
                                 {"yx", eben(&Vektor3d::drehenyx), {2, 1, 3}},
                                 {"xz", eben(&Vektor3d::drehenxz), {-1, 2, 3}},
                                 {"zx", eben(&Vektor3d::drehenzx), {2.6, 2, 1.8}},
                                 {"yz", eben(&Vektor3d::drehenyz), {1, -0.2, 3.6}},
                                 {"zy", eben(&Vektor3d::drehenzy), {1, 3.4, 1.2}},
                                 // compound assignments and einheitsvektor change the vector and return it
                                 {"+=", a += b, {5, -3, 9}},
                                 {"-=", a -= Vektor3d(1, 5, 1), {4, -8, 8}},
                                 {"*=", a *= 0.25, {1, -2, 2}},
                                 {"einheitsvektor", a.einheitsvektor() * 3, {1, -2, 2}},
                                 {"danach", a * 3, {1, -2, 2}}}) {
    SCOPED_TRACE(name);
    erwarte_nah(ist, soll);
  }
}

// vektorwinkel goes through the sine (never obtuse), vektorwinkel2 through the clamped cosine; planes by normal.
TEST(Vektor3d, ZahlenUndWinkel) {
  Vektor3d u(2, 0, 0), v(-1.5, 1.5 * std::sqrt(3), 0), a(0.1, 0.2, 0.6), b(4, -5, 6), o(1, 2, 3), ex(1, 0, 0),
      ey(0, 1, 0), z2(0, 0, 2);
  for (auto [ist, soll] : {std::pair(Vektor3dprodukt(o, b), 12.0),
                           {absquadrat(b), 77.0},
                           {abs(Vektor3d(3, 4, 12)), 13.0},
                           {absd(-2.5), 2.5},
                           {absd(0.5), 0.5},
                           {vektorwinkel(u, v), M_PI / 3},  // u and v are 120 degrees apart
                           {vektorwinkel2(u, v), 2 * M_PI / 3},
                           {vektorwinkel2(a, a * 3), 0.0},
                           {vektorwinkel2(a, a * -3), M_PI},
                           {vektorwinkel2(u, ey * 7), M_PI / 2},
                           {xwinkel(Vektor3d(-1, 0, 0)), M_PI},
                           {xwinkel(Vektor3d(1, 1, 0)), M_PI / 4},
                           {sinwinkel_zwischen_vektor_und_flaeche(Vektor3d(0, 0, 1), ex, ex * 2), 0.0},  // no plane
                           {winkel_zwischen_vektor_und_flaeche(o + Vektor3d(1, 0, 1), o, o + ex, o + ey), M_PI / 4}})
    EXPECT_NEAR(ist, soll, 1e-12);
  // planes through the z axis and a tilted one
  for (auto [w, p2, p3] : {std::tuple(ex, z2, ey), {Vektor3d(0, 5, 5), z2, ey}, {b, o, Vektor3d(-1, 0, 2)}}) {
    Vektor3d n = vektorkreuzprodukt(p2, p3);
    EXPECT_NEAR(sinwinkel_zwischen_vektor_und_flaeche(w, p2, p3), absd(Vektor3dprodukt(w, n)) / (abs(w) * abs(n)),
                1e-12);
  }
}

// Plane vectors; integer pairs divide towards 0.
TEST(Ebenenvektor, RechnenUndDrehen) {
  vektor a(3, 4), b(0, 2), c(0, 0), d(0, 0);
  vektorsplit(a, 0.3, 0.5, &c, &d);  // into c turned by +gamma and d turned by -beta
  const double e = 1e-3;
  for (auto [ist, soll] : {std::pair(vektorprodukt(a, b), 8.0),
                           {abs(a), 5.0},
                           {vektorwinkel(a, b), std::acos(0.8)},
                           {abs(vektordrehen(a, std::atan2(0.6, 0.8)) - vektor(0, 5)), 0.0},
                           {abs((a + b) * 2 - a / 2 + -a + 0.5 * a - vektor(3, 8)), 0.0},
                           // the signed angle takes the shorter way round, across +-pi in both directions
                           {vektorwinkelv(vektor(-1, -e), vektor(-1, e)), -2 * e},
                           {vektorwinkelv(vektor(-1, e), vektor(-1, -e)), 2 * e},
                           {vektorwinkelv(vektor(1, 0), vektor(0, 1)), M_PI / 2},
                           {atan2(c) - atan2(a), 0.3},
                           {atan2(a) - atan2(d), 0.5},
                           {abs(c + d - a), 0.0}})
    EXPECT_NEAR(ist, soll, 1e-9);
  Intvektor p(-7, 7);
  p /= 2;
  Intvektor n = -(p -= Intvektor(1, 2));
  EXPECT_EQ(std::vector<int>({p.x, p.y, n.x, n.y}), std::vector<int>({-4, 1, 4, -1}));
}

// v turned by w about achse, by Rodrigues' formula.
static Vektor3d gedreht(Vektor3d v, Vektor3d achse, double w) {
  Vektor3d k = achse / abs(achse);
  return v * std::cos(w) + vektorkreuzprodukt(k, v) * std::sin(w) + k * Vektor3dprodukt(k, v) * (1 - std::cos(w));
}

// Right-handed about the axis; the product turns by its right factor first, then by its left one; sum and norm.
TEST(Quaternion, DrehenProduktSummeUndNorm) {
  const Vektor3d v(4, -5, 6), achse(1, 2, 3);
  Quaternion p, q;
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
  p.drehung_definieren(achse, 0.3);
  q.drehung_definieren(Vektor3d(-2, 1, 1), 0.4);
  erwarte_nah((p * q).vektordrehen(v), gedreht(gedreht(v, Vektor3d(-2, 1, 1), 0.4), achse, 0.3));
  Quaternion s = Quaternion(1, 2, 3, 4) + Quaternion(10, 20, 30, 40), n(2, 4, 4, 8);
  n.normieren();
  EXPECT_EQ(std::vector<double>({s.a, s.b, s.c, s.d, n.a, n.b, n.c, n.d}),
            std::vector<double>({11, 22, 33, 44, 0.2, 0.4, 0.4, 0.8}));
}
