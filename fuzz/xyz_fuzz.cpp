// Fuzz target: the structure text reader, followed by both writers.
#include "fuzzhilfe.h"
#include "io/xyz.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse) {
  return fuzz_lesen(daten, groesse, [](FILE* fp) {
    xyzeinlesen(fp);
    FILE* aus = std::fopen("/dev/null", "w");
    alles_xyzspeichern(aus, "fuzz", -1);
    alles_xyzspeichern(aus, "fuzz", -2);
    std::fclose(aus);
  });
}
