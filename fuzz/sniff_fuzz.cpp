// Fuzz target: format sniffing and whichever reader it chooses.
#include "fuzzhilfe.h"
#include "io/sniff.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse) {
  return fuzz_lesen(daten, groesse, [](FILE* fp) { unbek_einlesen(fp); });
}
