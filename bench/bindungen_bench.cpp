// Benchmark of the bond perception: a sheet of fused aromatic rings with hydrogens at the atom
// table's limit (994 atoms), and loratadine (50 atoms) as a drug-like molecule of the usual size.
// Prints the time per perception, fastest and median of the runs, and what it found.
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "io/xyz.h"
#include "model/bindungserkennung.h"
#include "model/tabellen.h"

namespace {

// Loratadine as RDKit embeds it and MMFF94 relaxes it, in plain XYZ.
const char loratadin[] =
    "50\nloratadine\n"
    "C 6.2203 0.1272 -0.2974\nC 5.7678 1.5628 -0.4877\nO 4.3420 1.6159 -0.6350\nC 3.6230 1.6830 0.5183\n"
    "O 4.1293 1.7014 1.6342\nN 2.2582 1.7231 0.2893\nC 1.6624 1.4089 -1.0060\nC 1.1435 -0.0371 -1.0214\n"
    "C 0.1936 -0.3044 0.1522\nC -1.0609 -0.8206 0.0246\nC -1.9239 -0.9515 1.2225\nC -1.6944 -1.9505 2.1781\n"
    "C -2.5266 -2.0565 3.2932\nC -3.5932 -1.1727 3.4456\nCl -4.6201 -1.3049 4.8204\nC -3.8439 -0.1878 2.4891\n"
    "C -3.0141 -0.0751 1.3654\nC -3.2915 0.9447 0.2881\nC -3.7666 0.2915 -1.0164\nC -2.8513 -0.6572 -1.7652\n"
    "C -3.2934 -1.0983 -3.0256\nC -2.5440 -2.0072 -3.7628\nC -1.3636 -2.4652 -3.2164\nN -0.8967 -2.0730 -2.0146\n"
    "C -1.6298 -1.1709 -1.3059\nC 0.8269 0.1234 1.4818\nC 1.3497 1.5656 1.4168\nH 7.3111 0.0681 -0.2449\n"
    "H 5.8027 -0.2987 0.6203\nH 5.8718 -0.4985 -1.1257\nH 6.1990 1.9640 -1.4108\nH 6.1105 2.2054 0.3314\n"
    "H 2.3749 1.5576 -1.8224\nH 0.8344 2.1105 -1.1662\nH 1.9883 -0.7331 -0.9418\nH 0.6833 -0.2010 -1.9979\n"
    "H -0.8666 -2.6456 2.0537\nH -2.3394 -2.8296 4.0334\nH -4.6902 0.4826 2.6162\nH -4.0682 1.6389 0.6335\n"
    "H -2.3998 1.5612 0.1175\nH -4.6978 -0.2539 -0.8085\nH -4.0242 1.1081 -1.7044\nH -4.2368 -0.7392 -3.4321\n"
    "H -2.8794 -2.3556 -4.7329\nH -0.7417 -3.1831 -3.7428\nH 1.6591 -0.5601 1.6949\nH 0.1407 0.0583 2.3293\n"
    "H 0.5190 2.2682 1.2775\nH 1.8461 1.8253 2.3576\n";

// A parallelogram of 19 by 25 cells of a hexagonal sheet (C-C 1.40); atoms with one neighbour
// left out, and one hydrogen where a carbon has two.
void blatt_aufbauen() {
  anz_atome = anz_bonds = anz_molek = 0;
  const double d = 1.40, w = std::sqrt(3.0) * d;
  std::vector<Vektor3d> c;
  for (int i = 0; i < 19; i++)
    for (int j = 0; j < 25; j++) {
      Vektor3d p(w * i + w / 2 * j, 1.5 * d * j, 0);
      c.push_back(p), c.push_back(p + Vektor3d(0, d, 0));
    }
  auto nachbarn = [&](const Vektor3d& p, const std::vector<Vektor3d>& alle) {
    std::vector<Vektor3d> n;
    for (const Vektor3d& q : alle)
      if (abs(q - p) > 0.1 && abs(q - p) < 1.1 * d) n.push_back(q);
    return n;
  };
  for (std::size_t vorher = 0; vorher != c.size();) {
    vorher = c.size();
    std::vector<Vektor3d> bleiben;
    for (const Vektor3d& p : c)
      if (nachbarn(p, c).size() >= 2) bleiben.push_back(p);
    c = bleiben;
  }
  Molekuel& m = molekuel[anz_molek++];
  m.init(0, MAX_ATOME, 0);
  for (const Vektor3d& p : c) m.addatom("C", p);
  for (const Vektor3d& p : c) {
    std::vector<Vektor3d> n = nachbarn(p, c);
    if (n.size() == 2) m.addatom("H", p - einheit(n[0] + n[1] - p * 2) * 1.09);
  }
  m.rest_freigeben();
}

// Microseconds of each of n perceptions of molecule 0, the only one, fastest first.
std::vector<double> messen(int n) {
  std::vector<double> zeiten;
  for (int i = 0; i < n; i++) {
    anz_bonds = molekuel[0].nbonds = 0;
    auto t0 = std::chrono::steady_clock::now();
    bindungen_erkennen(0);
    zeiten.push_back(std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - t0).count());
  }
  std::sort(zeiten.begin(), zeiten.end());
  return zeiten;
}

void bericht(FILE* aus, const char* was, int n) {
  std::vector<double> zeiten = messen(n);
  int arom = 0, mehrfach = 0;
  for (int i = 0; i < anz_bonds; i++) arom += bondliste[i].strong == 1.5f, mehrfach += bondliste[i].strong >= 2;
  std::fprintf(aus,
               "%-28s %4d Atome %5d Bindungen (%d aromatisch, %d mehrfach)   schnellste %8.1f us   Median %8.1f us\n",
               was, anz_atome, anz_bonds, arom, mehrfach, zeiten.front(), zeiten[zeiten.size() / 2]);
}

}  // namespace

int main(int argc, char** argv) {
  int laeufe = argc > 1 ? std::atoi(argv[1]) : 200;
  FILE* aus = fdopen(dup(1), "w");  // perception's own line per molecule goes to /dev/null
  if (!aus || !std::freopen("/dev/null", "w", stdout)) return 1;
  blatt_aufbauen();
  bericht(aus, "Blatt an der Tabellengrenze", laeufe);
  anz_atome = anz_bonds = anz_molek = 0;
  FILE* fp = fmemopen(const_cast<char*>(loratadin), sizeof loratadin - 1, "r");
  xyzeinlesen(fp);
  std::fclose(fp);
  bericht(aus, "Loratadin", laeufe * 10);
  return std::fclose(aus);
}
