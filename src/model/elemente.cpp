// Element numbers, radius tables and standard bond lengths.
#include "model/elemente.h"

#include <cmath>
#include <cstdio>
#include <cstring>

double covr[ANZ_RADIEN];
double covr2[ANZ_RADIEN];
double covr3[ANZ_RADIEN];
double vanr[ANZ_RADIEN];

Radiustabellen radiustabellen;

namespace {

// Atomic numbers of the one-letter symbols A to Z; D counts as hydrogen, J as iodine.
const int tab1[26] = {0, 5, 6, 1, 0, 9, 0, 1, 53, 53, 19, 0, 0, 7, 8, 15, 0, 0, 16, 0, 92, 23, 74, 0, 39, 0};

const char* const element[106] = {
    "",   "H",  "He", "Li", "Be", "B",  "C",  "N",  "O",  "F",  "Ne", "Na", "Mg", "Al", "Si", "P",  "S",  "Cl",
    "Ar", "K",  "Ca", "Sc", "Ti", "V",  "Cr", "Mn", "Fe", "Co", "Ni", "Cu", "Zn", "Ga", "Ge", "As", "Se", "Br",
    "Kr", "Rb", "Sr", "Y",  "Zr", "Nb", "Mo", "Tc", "Ru", "Rh", "Pd", "Ag", "Cd", "In", "Sn", "Sb", "Te", "I",
    "Xe", "Cs", "Ba", "La", "Ce", "Pr", "Nd", "Pm", "Sm", "Eu", "Gd", "Tb", "Dy", "Ho", "Er", "Tm", "Yb", "Lu",
    "Hf", "Ta", "W",  "Re", "Os", "Ir", "Pt", "Au", "Hg", "Tl", "Pb", "Bi", "Po", "At", "Rn", "Fr", "Ra", "Ac",
    "Th", "Pa", "U",  "Np", "Pu", "Am", "Cm", "Bk", "Cf", "Es", "Fm", "Md", "No", "Lr", "Rf", "Ha"};

struct Radien {
  int nr;
  double r1, r2, r3, vr;
};

// A van der Waals radius of 0 stands for the covalent radius plus 0.8.
const Radien radien[] = {
    {1, 0.3, 0.75, 0.75, 1.2},    {6, 0.77, 0.67, 0.6, 0},      {7, 0.74, 0.62, 0.55, 1.5},
    {8, 0.74, 0.62, 0.55, 1.4},   {9, 0.64, 0.75, 0.75, 1.35},  {14, 1.17, 0.75, 0.75, 0},
    {15, 1.1, 0.75, 0.75, 1.9},   {16, 1.04, 0.75, 0.75, 1.85}, {17, 1.0, 0.75, 0.75, 1.8},
    {19, 2.03, 0.75, 0.75, 2.75}, {35, 1.14, 0.75, 0.75, 1.95}, {53, 1.33, 0.75, 0.75, 2.15},
};

}  // namespace

Radiustabellen::Radiustabellen() : r1(covr), r2(covr2), r3(covr3), vr(vanr) { init(); }

void Radiustabellen::init() {
  for (int i = 0; i < ANZ_RADIEN; i++) {
    r1[i] = r2[i] = r3[i] = 0.75;
    vr[i] = 1.2;
  }
  for (const Radien& z : radien) {
    r1[z.nr] = z.r1;
    r2[z.nr] = z.r2;
    r3[z.nr] = z.r3;
    vr[z.nr] = z.vr != 0 ? z.vr : z.r1 + 0.8;
  }
}

int pernr(const char* sy) {
  if (sy[0] < 'A' || sy[0] > 'Z') return 0;
  if (sy[1] == '\0') return tab1[sy[0] - 'A'];
  for (int i = 2; i < 106; i++)
    if (std::strcmp(element[i], sy) == 0) return i;
  return 0;
}

double standardbindungslaenge(const char* sy1, const char* sy2, float bond) {
  int a = pernr(sy1), b = pernr(sy2);
  if (bond == std::trunc(bond)) {
    if (bond == 0) return vanr[a] + vanr[b];
    if (bond == 1) return covr[a] + covr[b];
    if (bond == 2) return covr2[a] + covr2[b];
    return covr3[a] + covr3[b];
  }
  if (bond == 1.5f) {
    if (std::strlen(sy1) == 1 && std::strlen(sy2) == 1) {
      if (sy1[0] == 'C' && sy2[0] == 'C') return 1.4;
      if ((sy1[0] == 'C' && sy2[0] == 'N') || (sy1[0] == 'N' && sy2[0] == 'C')) return 1.38;
    }
    float f1 = covr[a] + covr[b];
    float f2 = covr2[a] + covr2[b];
    return (f1 + f2) / 2;
  }
  std::printf("Bindung %f noch nicht definiert\n", bond);
  return vanr[a] + vanr[b];
}

double vanderwaalsradius(const char* sym) { return vanr[pernr(sym)]; }
