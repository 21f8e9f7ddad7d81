// The look of the scene: selected colours, bond sizes, cylinder orientation, hidden stacks.
#include "view/szene.h"

#include <gtest/gtest.h>

#include "testhilfe.h"
#include "ui/fenster.h"
#include "view/kamera.h"

// Selected atoms are drawn 50 brighter per channel, within 100 and 255; bonds by their whole order.
TEST(Szene, FarbenUndBindungen) {
  Atomlist a;
  unsigned char f[3];
  for (auto [r, g, b, selektiert, soll] : {std::tuple(10, 20, 30, 0, std::vector<int>{10, 20, 30}),
                                           {255, 20, 0, 1, {255, 100, 100}},
                                           {60, 120, 200, 1, {110, 170, 250}}}) {
    a.r = r, a.g = g, a.b = b, a.selectflag = selektiert;
    atomfarbe(a, &f[0], &f[1], &f[2]);
    EXPECT_EQ(std::vector<int>(f, f + 3), soll);
  }
  for (auto [strong, c] : {std::pair(1.5f, 1), {2.5f, 2}, {3.7f, 3}, {1e30f, 3}, {-1e30f, 1}, {std::nanf(""), 1}})
    EXPECT_EQ(zeichenordnung(strong), c) << strong;
  EXPECT_EQ(std::vector<double>({bindungsradius(0), bindungsradius(1), bindungsradius(2), bindungsradius(3)}),
            std::vector<double>({0.09325, 0.09325, 0.09325 * 1.75, 0.09325 * 2.5}));
  EXPECT_EQ(std::vector({linienbreite(1, 1200), linienbreite(2, 1200), linienbreite(3, 1200), linienbreite(1, 399)}),
            std::vector({6.f, 12.f, 30.f, 1.f}));
}

// The two turns of the cylinder, about x and then about z, bring its axis (+z) onto the bond, and back.
TEST(Szene, ZylinderZeigtAufDasZweiteAtom) {
  for (Vektor3d d : {Vektor3d(1, 2, 3), Vektor3d(0, 0, -2), Vektor3d(-1, 0, 0), Vektor3d(0.3, -4, 0.1)}) {
    Ausrichtung w = zylinder_ausrichtung(d);
    double x = w.um_x * M_PI / 180, sz = std::sin(w.um_z * M_PI / 180), cz = std::cos(w.um_z * M_PI / 180);
    erwarte_nah(Vektor3d(std::sin(x) * sz, -std::sin(x) * cz, std::cos(x)), d / abs(d));
    erwarte_nah(zylinderkoordinaten(Vektor3d(1, 1, 1) + d, Vektor3d(1, 1, 1), w), 0, 0, abs(d));
  }
}

// Stacks inside the solid end spheres (0.98 of the radius) go and close the rest, else all 100 are
// drawn; stacks merge only clear of the spheres (their full radius).
TEST(Szene, StapelInDenKugelnEntfallen) {
  const Vektor3d a, b(1.54, 0, 0), h(1.07, 0, 0), tief(0, 0, -1.5), fern(0, 0, 11);
  for (auto [was, kamera, von, rvon, bis, rbis, soll] :
       {std::tuple("C-C", fern, a, 0.772, b, 0.772, "48 52 1 51 51"),
        {"C-H", fern, a, 0.772, h, 0.373, "0 0 1 0 0"},
        {"Radius 0 oder Draht", fern, a, 0.0, b, 0.772, "0 100 0 1 49"},
        {"duenner als die Bindung", fern, a, 0.772, b, 0.09, "0 100 0 51 99"},
        {"ohne Laenge", fern, a, 0.772, a, 0.772, "0 100 0 0 0"},
        {"Kamera in der Bindung", Vektor3d(0.77, 0, 0), a, 0.772, b, 0.772, "0 100 0 51 51"},
        {"Kamera in einer Kugel", tief, a + tief, 0.772, b + tief, 0.772, "0 100 0 51 51"}}) {
    eye = kamera + Vektor3d(0, 0, 1), cent = eye + Vektor3d(0, 0, 1), bildbreite = 1200, bildhoehe = 900;
    Stapelbereich s = sichtbare_stapel(von, rvon, bis, rbis, BINDUNGSRADIUS);
    EXPECT_EQ(std::to_string(s.von) + " " + std::to_string(s.bis) + " " + std::to_string(s.geschlossen) + " " +
                  std::to_string(s.glatt_von) + " " + std::to_string(s.glatt_bis),
              soll)
        << was;
  }
}

// Every face that faces the camera is among the slices drawn, and at most one more on each side.
TEST(Szene, VorderseitenVollstaendig) {
  const double grad = M_PI / 180;
  auto vorne = [](Vektor3d a, Vektor3d b, Vektor3d c, Vektor3d k) {
    Vektor3d n = vektorkreuzprodukt(c - a, b - a);
    if (Vektor3dprodukt(n, a + b + c) < 0) n = n * -1;
    return Vektor3dprodukt(n, k - a) > 1e-9;
  };
  auto pruefen = [](Scheibenbereich b, const std::vector<bool>& soll) {
    int gesehen = 0;
    for (int i = 0; i < 36; i++) {
      bool drin = (i - b.erste + 36) % 36 < b.anzahl;
      if (!soll[i]) continue;
      EXPECT_TRUE(drin) << i;
      gesehen++;
    }
    EXPECT_LE(b.anzahl, gesehen + 2);
  };
  std::srand(3);
  for (int fall = 0; fall < 200; fall++) {
    auto zufall = [] { return std::rand() * 40.0 / RAND_MAX - 20; };
    Vektor3d k(zufall(), zufall(), zufall());
    double r = 0.1 + std::rand() * 0.8 / RAND_MAX;
    SCOPED_TRACE(std::to_string(k.x) + " " + std::to_string(k.y) + " " + std::to_string(k.z) + " " + std::to_string(r));
    std::vector<bool> zylinder(36);
    for (int i = 0; i < 36; i++) {
      Vektor3d a(r * std::sin(i * 10 * grad), r * std::cos(i * 10 * grad), 0);
      Vektor3d b(r * std::sin((i + 1) * 10 * grad), r * std::cos((i + 1) * 10 * grad), 0);
      zylinder[i] = vorne(a, b, a + Vektor3d(0, 0, 1), k) && vorne(b, a + Vektor3d(0, 0, 1), b + Vektor3d(0, 0, 1), k);
    }
    pruefen(vordere_scheiben(k, r), zylinder);
    auto ecke = [r, grad](int ring, int j) {
      double t = ring * 10 * grad, f = -j * 10 * grad;
      return Vektor3d(r * std::sin(t) * std::cos(f), r * std::sin(t) * std::sin(f), r * std::cos(t));
    };
    for (int s = 0; s < 18; s++) {
      std::vector<bool> kugel(36);
      for (int j = 0; j < 36; j++)
        kugel[j] = s == 17 ? vorne(ecke(17, j), ecke(17, j + 1), ecke(18, 0), k)
                           : vorne(ecke(s, j), ecke(s + 1, j), ecke(s + 1, j + 1), k);
      pruefen(vordere_kugelscheiben(s, k, r), kugel);
    }
  }
}

// Far from the light a section spans many stacks, near it one; sections stop where the spheres begin.
TEST(Szene, AbschnitteEntlangDerBindung) {
  EXPECT_EQ(stapel_je_abschnitt(Vektor3d(0, 0, -30), Vektor3d(1.5, 0, -30)), 4);
  EXPECT_EQ(stapel_je_abschnitt(Vektor3d(6, 4.5, 9), Vektor3d(6, 4.5, 11)), 1);
  EXPECT_EQ(stapel_je_abschnitt(Vektor3d(0, 0, -300), Vektor3d(0.1, 0, -300)), 100);
  Stapelbereich s{10, 90, true, 20, 80};
  std::string ringe;
  for (int j = 10; j < 90; j = naechster_ring(s, j, 25)) ringe += std::to_string(j) + " ";
  EXPECT_EQ(ringe, "10 11 12 13 14 15 16 17 18 19 20 45 70 80 81 82 83 84 85 86 87 88 89 ");
}
