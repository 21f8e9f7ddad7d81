// The structure the editing tests work on, and what they measure on it.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "edit/undo.h"
#include "io/xyz.h"
#include "testhilfe.h"

inline double laenge(Vektor3d d) { return std::sqrt(d.x * d.x + d.y * d.y + d.z * d.z); }
inline double abstand(int a, int b) { return laenge(atomliste[a].p - atomliste[b].p); }
inline double winkel(int a, int b, int c) {
  Vektor3d u = atomliste[a].p - atomliste[b].p, v = atomliste[c].p - atomliste[b].p;
  return std::acos((u.x * v.x + u.y * v.y + u.z * v.z) / laenge(u) / laenge(v)) * 180 / M_PI;
}

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
    merken();
  }
  void merken() {
    start.clear();
    for (int i = 0; i < anz_atome; i++) start.push_back(atomliste[i].p);
  }
  void waehlen(std::vector<int> atome) {
    for (int a : atome) atomliste[a].select(a);
  }
  // The atoms that moved since merken.
  std::string bewegt() {
    std::string s;
    for (int i = 0; i < anz_atome; i++) s += laenge(atomliste[i].p - start[i]) > 1e-9 ? std::to_string(i) : "";
    return s;
  }
  std::string bindungen() {
    std::string s;
    for (int i = 0; i < anz_bonds; i++)
      s += std::to_string(bondliste[i].n1) + "-" + std::to_string(bondliste[i].n2) + ":" +
           std::to_string(int(bondliste[i].strong)) + " ";
    return s;
  }
  // Undo takes every atom back to where merken saw it.
  void rueckgaengig() {
    bedienen(m_undo, undo_anz ? std::vector<Antwort>{} : std::vector<Antwort>{{"Undo-Buffer empty\nnichts zu tun"}});
    EXPECT_EQ(bewegt(), "");
  }
  // A saved file holds every atom and bond of the tables.
  void speichern_und_lesen() {
    std::string vorher = bindungen() + std::to_string(anz_atome);
    std::string datei = geschrieben([](FILE* fp) { ausgabe_von([&] { alles_xyzspeichern(fp, "x", 0); }); });
    tabellen_leeren();
    aus_text(datei, xyzeinlesen);
    EXPECT_EQ(bindungen() + std::to_string(anz_atome), vorher);
  }
};

