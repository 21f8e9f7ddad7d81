// Element numbers, radius tables and standard bond lengths.
#include <gtest/gtest.h>

#include "model/elemente.h"
#include "testhilfe.h"

namespace {

TEST(Elemente, Ordnungszahlen) {
  EXPECT_EQ(pernr("C"), 6);
  EXPECT_EQ(pernr("Cl"), 17);
  EXPECT_EQ(pernr("CL"), 0);
  EXPECT_EQ(pernr("J"), 53);
  EXPECT_EQ(pernr("D"), 1);
  EXPECT_EQ(pernr("e"), 0);
  EXPECT_EQ(pernr(""), 0);
  EXPECT_EQ(pernr("Ha"), 105);
  EXPECT_EQ(pernr("Rf"), 104);
  EXPECT_EQ(pernr("He"), 2);
  EXPECT_EQ(pernr("Xx"), 0);
  EXPECT_EQ(pernr("A"), 0);
  EXPECT_EQ(pernr("U"), 92);
  EXPECT_EQ(pernr("Cla"), 0);
}

TEST(Elemente, RadientabellenSindVorMainGefuellt) {
  EXPECT_EQ(covr[0], 0.75);
  EXPECT_EQ(vanr[0], 1.2);
  EXPECT_EQ(covr[6], 0.77);
  EXPECT_DOUBLE_EQ(vanr[6], 1.57);
  EXPECT_DOUBLE_EQ(vanr[14], 1.97);
  EXPECT_EQ(covr3[7], 0.55);
  EXPECT_EQ(vanr[119], 1.2);
  EXPECT_EQ(radiustabellen.r2, covr2);
  EXPECT_DOUBLE_EQ(vanderwaalsradius("Br"), 1.95);
  EXPECT_DOUBLE_EQ(vanderwaalsradius("e"), 1.2);
}

TEST(Elemente, StandardbindungslaengeNachOrdnung) {
  EXPECT_DOUBLE_EQ(standardbindungslaenge("C", "C", 1), 1.54);
  EXPECT_DOUBLE_EQ(standardbindungslaenge("C", "C", 2), 1.34);
  EXPECT_DOUBLE_EQ(standardbindungslaenge("C", "C", 3), 1.2);
  EXPECT_DOUBLE_EQ(standardbindungslaenge("C", "C", 4), 1.2);
  EXPECT_DOUBLE_EQ(standardbindungslaenge("C", "C", -1), 1.2);
  EXPECT_DOUBLE_EQ(standardbindungslaenge("C", "H", 1), 1.07);
  EXPECT_DOUBLE_EQ(standardbindungslaenge("O", "H", 1), 1.04);
  EXPECT_DOUBLE_EQ(standardbindungslaenge("C", "O", 2), 1.29);
  EXPECT_DOUBLE_EQ(standardbindungslaenge("H", "H", 0), 2.4);
  EXPECT_DOUBLE_EQ(standardbindungslaenge("Xx", "C", 1), 0.75 + 0.77);
}

TEST(Elemente, AromatischeBindungen) {
  EXPECT_DOUBLE_EQ(standardbindungslaenge("C", "C", 1.5f), 1.4);
  EXPECT_DOUBLE_EQ(standardbindungslaenge("C", "N", 1.5f), 1.38);
  EXPECT_DOUBLE_EQ(standardbindungslaenge("N", "C", 1.5f), 1.38);
  float f1 = 0.77 + 0.74, f2 = 0.67 + 0.62;
  EXPECT_EQ(standardbindungslaenge("C", "O", 1.5f), (f1 + f2) / 2);
  float g1 = 0.77 + 1.0, g2 = 0.67 + 0.75;
  EXPECT_EQ(standardbindungslaenge("C", "Cl", 1.5f), (g1 + g2) / 2);
}

TEST(Elemente, UndefinierteOrdnungMeldetUndNimmtVanDerWaals) {
  double l = 0;
  EXPECT_EQ(ausgabe_von([&] { l = standardbindungslaenge("C", "C", 2.5f); }),
            "Bindung 2.500000 noch nicht definiert\n");
  EXPECT_DOUBLE_EQ(l, 3.14);
}

}  // namespace
