// The export writers' rounding, counting and refusals; RDKit and Open Babel read what they write (tests/interop).
#include "io/export.h"

#include <gtest/gtest.h>

#include "model/tabellen.h"
#include "testhilfe.h"

// C, J (quil's iodine) and Q in a row: C-J of order 2.5 rounded to 3, J-Q aromatic (listed once).
TEST(Export, RundetZaehltVerweigert) {
  tabellen_leeren();
  molekuel[0].init(anz_molek++, 3, 2);
  for (const char* name : {"C", "J", "Q"}) molekuel[0].addatom(name, {1.5 * molekuel[0].natoms, 0, 0});
  molekuel[0].addbond(0, 1, 2.5), molekuel[0].addbond(1, 2, 1.5);
  Exportzaehlung z;
  std::string pdb = geschrieben([&](FILE* fp) { z = export_schreiben(Exportformat::pdb, fp, -2); });
  EXPECT_EQ(
      pdb.substr(pdb.find("HETATM    3")),
      "HETATM    3  Q1  UNL A   1       3.000   0.000   0.000  1.00  0.00           Q\nTER       4      UNL A   1\n"
      "CONECT    1    2    2    2\nCONECT    2    1    1    1    3\nCONECT    3    2\nEND\n");
  EXPECT_EQ((std::vector<int>{z.atome, z.bindungen, z.gerundet, z.fremde_namen}), (std::vector<int>{3, 2, 1, 2}));
  atomliste[2].p.x = 12345.6;             // wider than PDB's 8.3 columns
  anz_atome = molekuel[0].natoms = 1000;  // more than a V2000 counts line holds
  for (Exportformat f : {Exportformat::pdb, Exportformat::sdf}) EXPECT_NE(export_hindernis(f, -2), nullptr);
  EXPECT_EQ(export_hindernis(Exportformat::xyz, -2), nullptr);
}
