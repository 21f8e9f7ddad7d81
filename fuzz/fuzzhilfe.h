// Shared by the fuzz targets: empty tables before every input, the input as an open file.
#pragma once

#include <cstdint>
#include <cstdio>

#include "model/tabellen.h"

// Runs leser on the input as a read-only file, from empty tables; the readers' diagnostics go to /dev/null.
template <class Leser>
int fuzz_lesen(const uint8_t* daten, size_t groesse, Leser leser) {
  static FILE* still = std::freopen("/dev/null", "w", stdout);
  (void)still;
  anz_atome = anz_bonds = anz_molek = nsel = 0;
  if (groesse == 0) return 0;
  FILE* fp = fmemopen(const_cast<uint8_t*>(daten), groesse, "r");
  if (!fp) return 0;
  leser(fp);
  std::fclose(fp);
  return 0;
}
