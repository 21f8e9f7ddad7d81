// Element numbers, covalent and van der Waals radii, and the standard bond length of two elements.
#pragma once

constexpr int ANZ_RADIEN = 120;

extern double covr[ANZ_RADIEN];   // covalent radius, single bond
extern double covr2[ANZ_RADIEN];  // covalent radius, double bond
extern double covr3[ANZ_RADIEN];  // covalent radius, triple bond
extern double vanr[ANZ_RADIEN];   // van der Waals radius

// Fills the four radius tables; its one global instance does so before main runs.
struct Radiustabellen {
  double* r1;
  double* r2;
  double* r3;
  double* vr;
  Radiustabellen();
  void init();
};

extern Radiustabellen radiustabellen;

int pernr(const char* sy);  // atomic number, 0 when the symbol has none
double standardbindungslaenge(const char* sy1, const char* sy2, float bond);
double vanderwaalsradius(const char* sym);
