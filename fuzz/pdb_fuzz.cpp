// Fuzz target: the PDB reader.
#include "fuzzhilfe.h"
#include "io/pdb.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse) {
  return fuzz_lesen(daten, groesse, [](FILE* fp) { pdb_einlesen(fp); });
}
