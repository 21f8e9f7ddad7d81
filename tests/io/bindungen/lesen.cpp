// Reads each file named as quil reads it (".pdb" as PDB, anything else as structure text, which
// takes plain XYZ too) and prints the bonds it then holds: "# name", then "a b order" per bond.
#include <unistd.h>

#include <cstdio>
#include <cstring>

#include "io/pdb.h"
#include "io/xyz.h"
#include "model/tabellen.h"

int main(int argc, char** argv) {
  FILE* aus = fdopen(dup(1), "w");  // the readers' own messages go to /dev/null
  if (!aus || !std::freopen("/dev/null", "w", stdout)) return 1;
  for (int i = 1; i < argc; i++) {
    anz_atome = anz_bonds = anz_molek = 0;
    FILE* fp = std::fopen(argv[i], "r");
    if (!fp) return 1;
    std::size_t n = std::strlen(argv[i]);
    if (n > 4 && std::strcmp(argv[i] + n - 4, ".pdb") == 0)
      pdb_einlesen(fp);
    else
      xyzeinlesen(fp);
    std::fclose(fp);
    std::fprintf(aus, "# %s\n", argv[i]);
    for (int k = 0; k < anz_bonds; k++)
      std::fprintf(aus, "%d %d %g\n", bondliste[k].n1, bondliste[k].n2, bondliste[k].strong);
  }
  return std::fclose(aus);
}
