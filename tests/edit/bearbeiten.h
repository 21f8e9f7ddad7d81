// The structure the editing tests work on, and what they check on it.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "edit/undo.h"
#include "io/xyz.h"
#include "testhilfe.h"

// H4-C1-C2-C3 away from the origin, C1-C2 along x, C1-H4 along y: the angle 4-1-2 is 90 degrees
// and the signed dihedral 4-1-2-3 is phi, the direction of C3 about x. H0 on C1, H5 on C2, H6 on
// C3; then molecule 1, one N atom.
struct Bearbeiten : testing::Test {
  const Vektor3d ursprung{0.5, -0.25, 2};
  std::vector<Vektor3d> start;

  void bauen(double phi = 60, Vektor3d h4 = {0, 1, 0}) {
    tabellen_leeren();
    undo_anz = 0;
    Vektor3d c3(1, std::cos(phi * M_PI / 180), std::sin(phi * M_PI / 180)), n(5, 5, 5);
    Vektor3d p[] = {{-0.6, -0.3, -0.5}, {0, 0, 0}, {1, 0, 0}, c3, h4, {1.5, -0.5, -0.5}, c3 + Vektor3d(1, 0, 0)};
    molekuel[0].init(anz_molek++, 7, 6);
    for (int i = 0; i < 7; i++) p[i] += ursprung, molekuel[0].addatom(i && i < 4 ? "C" : "H", p[i]);
    for (auto [a, b] : {std::pair{0, 1}, {1, 2}, {2, 3}, {1, 4}, {2, 5}, {3, 6}}) molekuel[0].addbond(a, b, 1);
    molekuel[1].init(anz_molek++, 1, 0);
    molekuel[1].addatom("N", n);
    start = positionen();
  }
  void waehlen(std::vector<int> atome) {
    for (int a : atome) atomliste[a].select(a);
  }
  std::string bewegt() { return ::bewegt(start); }
  // Undo takes every atom back to where bauen put it.
  void rueckgaengig() {
    bedienen(m_undo, undo_anz ? std::vector<Antwort>{} : std::vector<Antwort>{{"Undo-Buffer empty\nnichts zu tun"}});
    EXPECT_EQ(bewegt(), "");
  }
  // A saved file holds every atom and bond of the tables.
  void speichern_und_lesen() {
    std::string vorher = bindungen(), datei;
    int atome = anz_atome;
    datei = geschrieben([](FILE* fp) { ausgabe_von([&] { alles_xyzspeichern(fp, "x", 0); }); });
    tabellen_leeren();
    aus_text(datei, xyzeinlesen);
    EXPECT_EQ(bindungen(), vorher);
    EXPECT_EQ(anz_atome, atome);
  }
};
