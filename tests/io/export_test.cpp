// The export writers: endings, what they count, round and refuse; RDKit and Open Babel read their columns (interop/).
#include "io/export.h"

#include <gtest/gtest.h>

#include "model/tabellen.h"
#include "testhilfe.h"

// C, J (quil's iodine) and Q: C-J of order 2.5, J-Q aromatic; molecule 1: n oxygens at x.
static void bauen(int n = 1, double x = 5) {
  tabellen_leeren();
  molekuel[0].init(anz_molek++, 3, 2);
  for (const char* name : {"C", "J", "Q"}) molekuel[0].addatom(name, {1.5 * molekuel[0].natoms, 0, -1});
  molekuel[0].addbond(0, 1, 2.5);
  molekuel[0].addbond(1, 2, 1.5);
  molekuel[1].init(anz_molek++, n, 0);
  for (int i = 0; i < n; i++) molekuel[1].addatom("O", {x, 0, 0});
}

TEST(Export, Endungen) {
  for (auto [name, f] : {std::pair{"A.PDB", Exportformat::pdb},
                         {"a.sd", Exportformat::sdf},
                         {"b.Mdl", Exportformat::mol},
                         {"c.ent", Exportformat::pdb},
                         {"d.png", Exportformat::png},
                         {"e.xyz", Exportformat::xyz},
                         {"pdb", Exportformat::unbekannt}})
    EXPECT_EQ(exportformat(name), f) << name;
}

// Each format's text for the molecules, its counts (atoms, bonds, rounded, foreign names), what stops it.
TEST(Export, Schreiben) {
  struct Fall {
    Exportformat f;
    int mnr, sauerstoffe;
    double x;
    std::string enthaelt;
    std::vector<int> zaehlung;
    bool hindernis;
  };
  const Fall faelle[] = {
      {Exportformat::xyz,
       -2,
       1,
       5,
       "4\nquil\nC         0.000000       0.000000      -1.000000\nJ ",
       {4, 0, 0, 2},
       false},
      {Exportformat::mol, -2, 1, 5, "  1  2  3  0\n  2  3  4  0\nM  END\n", {4, 2, 1, 2}, false},
      {Exportformat::sdf, 1, 1, 5, "    5.0000    0.0000    0.0000 O   0  0", {1, 0, 0, 0}, false},
      {Exportformat::pdb,
       -2,
       1,
       5,
       "HETATM    2  J1  UNL A   1       1.500   0.000  -1.000  1.00  0.00           J\nHETATM    3  Q1  UNL A   1"
       "       3.000   0.000  -1.000  1.00  0.00           Q\nTER       4      UNL A   1\nHETATM    5  O1  UNL B   1"
       "       5.000   0.000   0.000  1.00  0.00           O\nTER       6      UNL B   1\nCONECT    1    2    2    2\n"
       "CONECT    2    1    1    1    3\nCONECT    3    2\nEND\n",
       {4, 2, 1, 2},
       false},
      {Exportformat::pdb, -2, 1, 12345.6, "", {}, true},
      {Exportformat::mol, -2, 1, 12345.6, "", {}, false},
      {Exportformat::mol, -2, 1, 123456, "", {}, true},
      {Exportformat::sdf, -1, 997, 5, "", {}, true},
      {Exportformat::sdf, -2, 997, 5, "", {}, false},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(formatname(f.f) + std::to_string(f.mnr) + " " + std::to_string(f.x));
    bauen(f.sauerstoffe, f.x);
    EXPECT_EQ(export_hindernis(f.f, f.mnr) != nullptr, f.hindernis);
    if (f.zaehlung.empty()) continue;
    Exportzaehlung z;
    EXPECT_NE(geschrieben([&](FILE* fp) { z = export_schreiben(f.f, fp, f.mnr); }).find(f.enthaelt), std::string::npos);
    EXPECT_EQ((std::vector<int>{z.atome, z.bindungen, z.gerundet, z.fremde_namen}), f.zaehlung);
  }
}
