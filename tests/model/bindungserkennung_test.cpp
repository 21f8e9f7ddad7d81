// Bonds from the coordinates: orders of fused rings, nitro, carboxylate, nitrile and a structure
// without hydrogens (files as RDKit writes them); near atoms, a shared hydrogen, a full bond table.
#include "model/bindungserkennung.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>

#include "io/xyz.h"
#include "model/tabellen.h"
#include "testhilfe.h"

// Reads plain XYZ text into empty tables; the bonds by order ("1.5:10": ten aromatic ones).
static std::string lesen(const std::string& text) {
  tabellen_leeren();
  ausgabe_von([&] { aus_text(text, xyzeinlesen); });
  std::map<float, int> anzahl;
  for (int i = 0; i < anz_bonds; i++) anzahl[bondliste[i].strong]++;
  std::string s;
  for (auto [ordnung, n] : anzahl) s += std::to_string(ordnung).substr(0, 3) + ":" + std::to_string(n) + " ";
  return s;
}

static std::string datei(const char* name) {
  std::ifstream f(std::string(QUIL_SOURCE_DIR "/tests/model/bindungen/") + name);
  return std::string(std::istreambuf_iterator<char>(f), {});
}

// Orders a user would see wrong otherwise, counted by kind.
TEST(Bindungserkennung, Ordnungen) {
  struct {
    const char* datei;
    std::string ordnungen;
  } const faelle[] = {{"coffein.xyz", "1.0:13 1.5:10 2.0:2 "},     // purine: both rings aromatic, two C=O
                      {"nitrobenzoat.xyz", "1.0:7 1.5:6 2.0:3 "},  // N(=O)=O and one C=O of the anion
                      {"benzonitril.xyz", "1.0:6 1.5:6 3.0:1 "},
                      {"adenin_ohne_h.xyz", "1.0:1 1.5:10 "}};  // NH2 single, not an imine
  for (const auto& f : faelle) EXPECT_EQ(lesen(datei(f.datei)), f.ordnungen) << f.datei;
}

// Atoms closer than 0.4 (alternate locations) are not bonded; a hydrogen keeps its nearest partner.
TEST(Bindungserkennung, NaheAtome) {
  lesen("3\n\nC 0 0 0\nC 1.5 0 0\nC 1.5 0.3 0\n");
  EXPECT_EQ(bindungen(), "0-1:1 0-2:1 ");
  lesen("3\n\nO 0 0 0\nH 1.25 0 0\nO 2.3 0 0\n");
  EXPECT_EQ(bindungen(), "1-2:1 ");
}

// A full bond table takes what fits, and the message says how many came.
TEST(Bindungserkennung, VolleTabelle) {
  tabellen_leeren();
  anz_bonds = MAX_BONDS - 1;
  EXPECT_EQ(ausgabe_von([] { aus_text(datei("benzonitril.xyz"), xyzeinlesen); }),
            "zu viele Bindungen, auf 2000 begrenzt\nMolekuel 0: 1 Bindung aus den Abstaenden erkannt\n");
  EXPECT_EQ(anz_bonds, MAX_BONDS);
  EXPECT_EQ(molekuel[0].nbonds, 1);
}
