// Fuzz target: the MDL mol file reader.
#include "fuzzhilfe.h"
#include "io/mdl.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse) {
  return fuzz_lesen(daten, groesse, [](FILE* fp) { mdl_einlesen(fp); });
}
