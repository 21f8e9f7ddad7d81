// The scene: selected colours, bond sizes, cylinder orientation, what of spheres and bonds is drawn or hidden.
#include "view/szene.h"

#include <gtest/gtest.h>

#include "testhilfe.h"
#include "ui/fenster.h"
#include "view/kamera.h"
#include "view/verdeckung.h"

static std::vector<int> farbe(unsigned char r, unsigned char g, unsigned char b, int selektiert) {
  Atomlist a;
  a.r = r, a.g = g, a.b = b, a.selectflag = selektiert;
  atomfarbe(a, &r, &g, &b);
  return {r, g, b};
}

// Selected atoms are drawn 50 brighter per channel, within 100 and 255; bonds by their whole order.
TEST(Szene, FarbenUndBindungen) {
  EXPECT_EQ(farbe(255, 20, 0, 1), std::vector({255, 100, 100}));
  EXPECT_EQ(farbe(60, 120, 200, 1), std::vector({110, 170, 250}));
  EXPECT_EQ(zeichenordnung(2.5f), 2);
  EXPECT_EQ(zeichenordnung(1e30f), 3);
  EXPECT_EQ(zeichenordnung(std::nanf("")), 1);
  EXPECT_DOUBLE_EQ(bindungsradius(2), 0.1631875);
  EXPECT_DOUBLE_EQ(bindungsradius(3), 0.233125);
  EXPECT_EQ(linienbreite(2, 1200), 12);
  EXPECT_EQ(linienbreite(3, 1200), 30);
}

// The two turns of the cylinder, about x and then about z, bring its axis (+z) onto the bond, and back.
TEST(Szene, ZylinderZeigtAufDasZweiteAtom) {
  for (Vektor3d d : {Vektor3d(1, 2, 3), Vektor3d(0, 0, -2), Vektor3d(-1, 0, 0), Vektor3d(0.3, -4, 0.1)}) {
    Ausrichtung w = zylinder_ausrichtung(d);
    double x = w.um_x * M_PI / 180, sz = std::sin(w.um_z * M_PI / 180), cz = std::cos(w.um_z * M_PI / 180);
    erwarte_nah(Vektor3d(std::sin(x) * sz, -std::sin(x) * cz, std::cos(x)), d / abs(d));
    erwarte_nah(zylinderkoordinaten(Vektor3d(1, 1, 1) + d, Vektor3d(1, 1, 1), w), {0, 0, abs(d)});
  }
}

// Stacks inside the solid end spheres (0.98 of the radius) go, else all 100; they merge only clear of the spheres.
TEST(Szene, StapelInDenKugelnEntfallen) {
  const Vektor3d a, b(1.54, 0, 0), h(1.07, 0, 0), tief(0, 0, -1.5), fern(0, 0, 11);
  struct Fall {
    const char* was;
    Vektor3d kamera, von, bis;
    double rvon, rbis;
    Stapelbereich soll;
  } faelle[] = {{"C-C", fern, a, b, 0.772, 0.772, {48, 52, true, 51, 51}},
                {"C-H", fern, a, h, 0.772, 0.373, {0, 0, true, 0, 0}},
                {"Radius 0 oder Draht", fern, a, b, 0, 0.772, {0, 100, false, 1, 49}},
                {"ohne Laenge", fern, a, a, 0.772, 0.772, {0, 100, false, 0, 0}},
                {"Kamera in der Bindung", Vektor3d(0.77, 0, 0), a, b, 0.772, 0.772, {0, 100, false, 51, 51}},
                {"Kamera in einer Kugel", tief, a + tief, b + tief, 0.772, 0.772, {0, 100, false, 51, 51}}};
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.was);
    eye = f.kamera + Vektor3d(0, 0, 1), cent = eye + Vektor3d(0, 0, 1), bildbreite = 1200, bildhoehe = 900;
    Stapelbereich s = sichtbare_stapel(f.von, f.rvon, f.bis, f.rbis, BINDUNGSRADIUS);
    EXPECT_EQ(s.von, f.soll.von);
    EXPECT_EQ(s.bis, f.soll.bis);
    EXPECT_EQ(s.geschlossen, f.soll.geschlossen);
    EXPECT_EQ(s.glatt_von, f.soll.glatt_von);
    EXPECT_EQ(s.glatt_bis, f.soll.glatt_bis);
  }
}

// True when the camera k lies on the outer side of the face through a, b and c.
static bool vorne(Vektor3d a, Vektor3d b, Vektor3d c, Vektor3d k) {
  Vektor3d n = vektorkreuzprodukt(c - a, b - a);
  if (Vektor3dprodukt(n, a + b + c) < 0) n = n * -1;
  return Vektor3dprodukt(n, k - a) > 1e-9;
}

// Every one of the 36 faces of a ring that faces the camera lies in the range drawn, which has at most two more.
static void pruefen(Scheibenbereich b, const std::function<bool(int)>& vorn) {
  int gesehen = 0;
  for (int i = 0; i < 36; i++) {
    if (!vorn(i)) continue;
    EXPECT_LT((i - b.erste + 36) % 36, b.anzahl) << i;
    gesehen++;
  }
  EXPECT_LE(b.anzahl, gesehen + 2);
}

// The slices of cylinders and the quads of spheres drawn, seen from 200 random cameras.
TEST(Szene, VorderseitenVollstaendig) {
  std::srand(3);
  for (int fall = 0; fall < 200; fall++) {
    auto zufall = [] { return std::rand() * 40.0 / RAND_MAX - 20; };
    Vektor3d k(zufall(), zufall(), zufall()), oben(0, 0, 1);
    double r = 0.1 + std::rand() * 0.8 / RAND_MAX;
    SCOPED_TRACE(fall);
    auto kreis = [r](int i) { return Vektor3d(r * std::sin(i * M_PI / 18), r * std::cos(i * M_PI / 18), 0); };
    pruefen(vordere_scheiben(k, r), [&](int i) { return vorne(kreis(i), kreis(i + 1), kreis(i) + oben, k); });
    auto ecke = [r](int ring, int j) {
      double t = ring * M_PI / 18, f = -j * M_PI / 18;
      return Vektor3d(r * std::sin(t) * std::cos(f), r * std::sin(t) * std::sin(f), r * std::cos(t));
    };
    for (int s = 0; s < 18; s++)
      pruefen(vordere_kugelscheiben(s, k, r), [&](int j) {
        return s == 17 ? vorne(ecke(17, j), ecke(17, j + 1), ecke(18, 0), k)
                       : vorne(ecke(s, j), ecke(s + 1, j), ecke(s + 1, j + 1), k);
      });
  }
}

// Far from the light a section spans many stacks, near it one; sections stop where the spheres begin.
TEST(Szene, AbschnitteEntlangDerBindung) {
  EXPECT_EQ(stapel_je_abschnitt(Vektor3d(0, 0, -30), Vektor3d(1.5, 0, -30)), 4);
  EXPECT_EQ(stapel_je_abschnitt(Vektor3d(6, 4.5, 9), Vektor3d(6, 4.5, 11)), 1);
  Stapelbereich s{10, 90, true, 20, 80};
  std::string ringe;
  for (int j = 10; j < 90; j = naechster_ring(s, j, 25)) ringe += std::to_string(j) + " ";
  EXPECT_EQ(ringe, "10 11 12 13 14 15 16 17 18 19 20 45 70 80 81 82 83 84 85 86 87 88 89 ");
}

// Hidden balls and bonds against a depth buffer: 64 x 64 pixels, depth 0.7 where x < 32 and
// y < 40, else 1; the camera looks along -z through a frustum from 1 to 10.
TEST(Verdeckung, NurWasGanzDahinterLiegt) {
  Verdeckung v{{}, {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, -11.0 / 9, -1, 0, 0, -20.0 / 9, 0}, 64, 64, {}};
  for (int i = 0; i < 16; i += 5) v.modell[i] = 1;  // scene and eye coordinates alike
  for (int y = 0; y < 64; y++)
    for (int x = 0; x < 64; x++) v.tiefe.push_back(x < 32 && y < 40 ? 0.7f : 1.0f);
  const Vektor3d links(-2.5, 0, -5), rechts(2.5, 0, -5);
  EXPECT_TRUE(v.kugel_verdeckt(links, 0.2));
  EXPECT_FALSE(v.kugel_verdeckt(Vektor3d(-1, 0, -2), 0.2));   // in front of the depths
  EXPECT_FALSE(v.kugel_verdeckt(rechts, 0.2));                // beside them
  EXPECT_FALSE(v.kugel_verdeckt(Vektor3d(0, 0, -5), 0.2));    // on their edge
  EXPECT_FALSE(v.kugel_verdeckt(Vektor3d(-2.5, 0, 1), 0.2));  // behind the eye
  EXPECT_TRUE(v.kugel_verdeckt(Vektor3d(-10, 0, -5), 0.2));   // out of the window
  v.modell[5] = 8;                                            // stretched along y over the edge
  EXPECT_FALSE(v.kugel_verdeckt(links, 0.2));
  v.modell[5] = 1;
  EXPECT_TRUE(v.strecke_verdeckt(links, links + Vektor3d(0, 0.5, 0), 0.1));
  EXPECT_FALSE(v.strecke_verdeckt(links, rechts, 0.1));
  EXPECT_FALSE(v.strecke_verdeckt(links, links + Vektor3d(0, 4, 0), 0.1));
}
