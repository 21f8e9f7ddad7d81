// Writing the tables for other programs: plain XYZ, one MDL molfile (V2000), SD files of V2000
// records, and PDB with HETATM and CONECT records. Coordinates are written as quil holds them.
#pragma once

#include <cstdio>

enum class Exportformat { xyz, mol, sdf, pdb, png, unbekannt };

// The format a file name's ending names, letters in any case: .xyz, .mol or .mdl, .sdf or .sd,
// .pdb or .ent, .png.
Exportformat exportformat(const char* name);
// The format's name in messages.
const char* formatname(Exportformat f);

// What a writer wrote: atoms, bonds, orders it rounded to 1, 2 or 3, names that are no element symbol.
struct Exportzaehlung {
  int atome = 0, bindungen = 0, gerundet = 0, fremde_namen = 0;
};

// What is written is chosen as the save chooses it: mnr a molecule, -1 all atoms as one molecule,
// -2 every molecule on its own (an SD record, a PDB chain). XYZ and the molfile hold everything
// chosen in one block. The caller holds tabellen_sperre.

// Why the choice does not fit format f, as a message format for the file name (more than 999 atoms
// or bonds in a V2000 block, coordinates wider than their columns); null when it fits.
const char* export_hindernis(Exportformat f, int mnr);
// Writes the choice in the text format f (not png).
Exportzaehlung export_schreiben(Exportformat f, FILE* fp, int mnr);
