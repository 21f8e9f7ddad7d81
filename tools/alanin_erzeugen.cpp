// Builds the default molecule, L-alanine (neutral), from bond lengths, angles and dihedrals
// and writes it in the structure text format to standard output:
//   alanin_erzeugen > Alanin.xyz
// Bond lengths are quil's standard bond lengths; sp3 centres are tetrahedral, the carboxyl
// carbon is trigonal with the C=O double bond.
#include <cmath>
#include <cstdio>

#include "io/xyz.h"
#include "model/elemente.h"
#include "model/tabellen.h"

namespace {

const double tetraeder = std::acos(-1.0 / 3.0);
const double trigonal = 2 * M_PI / 3;
const double grad = M_PI / 180;

// The position bonded to c at distance r, with the angle b-c-new and the dihedral a-b-c-new.
Vektor3d setzen(Vektor3d a, Vektor3d b, Vektor3d c, double r, double winkel, double torsion) {
  Vektor3d bc = einheit(c - b);
  Vektor3d n = einheit(vektorkreuzprodukt(b - a, bc));
  Vektor3d m = vektorkreuzprodukt(n, bc);
  double x = -r * std::cos(winkel), y = r * std::sin(winkel) * std::cos(torsion);
  double z = r * std::sin(winkel) * std::sin(torsion);
  return c + bc * x + m * y + n * z;
}

struct Atom {
  const char* name;
  int a, b, c;  // neighbour c, then b and a for the angle and the dihedral
  double winkel, torsion;
  float ordnung;  // of the bond to c
};

// L-alanine: the chirality sign of (N-CA).((C-CA)x(CB-CA)) must come out positive (S).
const Atom atome[] = {
    {"N", -1, -1, -1, 0, 0, 0},
    {"C", -1, -1, 0, 0, 0, 1},                  // CA
    {"C", -1, 0, 1, tetraeder, 0, 1},           // C
    {"O", 0, 1, 2, trigonal, -60 * grad, 2},    // O
    {"O", 0, 1, 2, trigonal, 120 * grad, 1},    // OH oxygen
    {"C", 2, 0, 1, tetraeder, -120 * grad, 1},  // CB
    {"H", 2, 1, 0, tetraeder, 60 * grad, 1},    // H on N
    {"H", 2, 1, 0, tetraeder, 180 * grad, 1},   // H on N
    {"H", 2, 0, 1, tetraeder, 120 * grad, 1},   // HA
    {"H", 0, 1, 5, tetraeder, 60 * grad, 1},    // HB
    {"H", 0, 1, 5, tetraeder, 180 * grad, 1},   // HB
    {"H", 0, 1, 5, tetraeder, -60 * grad, 1},   // HB
    {"H", 1, 2, 4, tetraeder, 180 * grad, 1},   // H on O
};
constexpr int anzahl = sizeof atome / sizeof atome[0];

}  // namespace

int main() {
  Vektor3d p[anzahl];
  for (int i = 1; i < anzahl; i++) {
    const Atom& t = atome[i];
    double r = standardbindungslaenge(t.name, atome[t.c].name, t.ordnung);
    if (i == 1)
      p[i] = Vektor3d(r, 0, 0);
    else if (i == 2)
      p[i] = p[1] + Vektor3d(-r * std::cos(t.winkel), r * std::sin(t.winkel), 0);
    else
      p[i] = setzen(p[t.a], p[t.b], p[t.c], r, t.winkel, t.torsion);
  }
  Vektor3d mitte;
  for (const Vektor3d& v : p) mitte += v / anzahl;
  anz_molek = 1;
  molekuel[0].init(0, anzahl, anzahl - 1);
  for (int i = 0; i < anzahl; i++) {
    Vektor3d v = p[i] - mitte;
    molekuel[0].addatom(atome[i].name, v);
    if (i > 0) molekuel[0].addbond(atome[i].c, i, atome[i].ordnung);
  }
  double chiral = Vektor3dprodukt(p[0] - p[1], vektorkreuzprodukt(p[2] - p[1], p[5] - p[1]));
  std::fprintf(stderr, "Chiralitaet %s\n", chiral > 0 ? "S (L-Alanin)" : "R (D-Alanin)");
  std::printf("; L-Alanin, neutral: N CA C O OH CB, H an N, HA, 3 HB, H an O\n");
  molekuel_xyzspeichern(0, stdout, nullptr);
  return 0;
}
