// Reads each file named as quil reads a file it recognises by its content, and prints the bonds
// it then holds: "# name", then "a b order" per bond.
#include <unistd.h>

#include <cstdio>

#include "io/sniff.h"
#include "model/tabellen.h"

int main(int argc, char** argv) {
  FILE* aus = fdopen(dup(1), "w");  // the readers' own messages go to /dev/null
  if (!aus || !std::freopen("/dev/null", "w", stdout)) return 1;
  for (int i = 1; i < argc; i++) {
    anz_atome = anz_bonds = anz_molek = 0;
    if (!unbek_einlesen(argv[i])) return 1;
    std::fprintf(aus, "# %s\n", argv[i]);
    for (int k = 0; k < anz_bonds; k++)
      std::fprintf(aus, "%d %d %g\n", bondliste[k].n1, bondliste[k].n2, bondliste[k].strong);
  }
  return std::fclose(aus);
}
