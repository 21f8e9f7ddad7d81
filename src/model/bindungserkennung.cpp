// Bond perception. Which atoms are bonded: two atoms closer than the sum of their covalent
// radii plus a tolerance, no closer than 0.4 (alternate locations read twice), each atom up to
// the neighbours its element takes, the relatively shortest bonds first (so a hydrogen keeps its
// nearest partner only). Which orders: every atom short of its usual valence wants pi bonds; a
// maximum matching places them, an atom that takes two or three as as many vertices (so that
// triple bonds and cumulenes come out of the same matching), the shortest bonds tried first.
// Where hydrogens are missing (docking poses carry only the polar ones, crystal structures often
// none), the geometry tells what an atom can take: angles and bond lengths for carbon, bond
// lengths for end atoms. Then aromatic rings get 1.5.
#include "model/bindungserkennung.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>

#include "model/aendern.h"
#include "model/aromaten.h"
#include "model/bindungsgraph.h"
#include "model/elemente.h"
#include "model/paarung.h"
#include "model/tabellen.h"

namespace {

// Covalent radii of the elements 1 to 96 in Angstrom: B. Cordero, V. Gomez, A. E. Platero-Prats,
// M. Reves, J. Echeverria, E. Cremades, F. Barragan, S. Alvarez, "Covalent radii revisited",
// Dalton Trans. 2008, 2832-2838 (carbon sp3; Mn, Fe, Co the mean of low and high spin).
const double cordero[97] = {0,    0.31, 0.28, 1.28, 0.96, 0.84, 0.76, 0.71, 0.66, 0.57, 0.58, 1.66, 1.41, 1.21,
                            1.11, 1.07, 1.05, 1.02, 1.06, 2.03, 1.76, 1.70, 1.60, 1.53, 1.39, 1.50, 1.42, 1.38,
                            1.24, 1.32, 1.22, 1.22, 1.20, 1.19, 1.20, 1.20, 1.16, 2.20, 1.95, 1.90, 1.75, 1.64,
                            1.54, 1.47, 1.46, 1.42, 1.39, 1.45, 1.44, 1.42, 1.39, 1.39, 1.38, 1.39, 1.40, 2.44,
                            2.15, 2.07, 2.04, 2.03, 2.01, 1.99, 1.98, 1.98, 1.96, 1.94, 1.92, 1.92, 1.89, 1.90,
                            1.87, 1.87, 1.75, 1.70, 1.62, 1.51, 1.44, 1.41, 1.36, 1.36, 1.32, 1.45, 1.46, 1.48,
                            1.40, 1.50, 1.50, 2.60, 2.21, 2.15, 2.06, 2.00, 1.96, 1.90, 1.87, 1.80, 1.69};
// The heavier actinides, which the table leaves out, as curium, the last it gives.
constexpr double SPAETE_ACTINOIDE = 1.69;
constexpr double TOLERANZ = 0.45;  // added to the sum of the radii, as Open Babel and Jmol do
constexpr double MINDESTABSTAND = 0.4;
constexpr double DREIRING = 1.15;  // no longer bond closes a three-membered ring

// Triple bonds and linear atoms; sp2 carbon beside its neighbours.
constexpr double DREIFACH = 0.84;    // length over the single bond below which a triple bond fits
constexpr double GESTRECKT = 155;    // degrees: an atom with two neighbours at this angle is linear
constexpr double EBEN = 350;         // degrees: three bond angles adding up to this, a planar atom
constexpr double KONJUGIERT = 0.95;  // a carbon with a bond this short has a pi bond
constexpr double DOPPELT = 0.935;    // an end atom with a bond this short takes a double bond
constexpr double LANG = 1.05;        // no pi bond on a bond longer than this
constexpr double KURZ = 0.96;        // nor on one this long to a carbon whose hydrogens may be missing

double radius(int z) { return z <= 96 ? cordero[z] : SPAETE_ACTINOIDE; }

// The most neighbours an element takes in common compounds.
int hoechstens(int z) {
  switch (z) {
    case 1:
    case 9: return 1;
    case 2:
    case 10:
    case 18: return 0;
    case 8: return 2;
    case 4:
    case 5:
    case 6:
    case 7:
    case 17:
    case 35:
    case 53:
    case 85: return 4;
    default: break;
  }
  bool s_block = z == 3 || z == 11 || z == 12 || z == 19 || z == 20 || z == 37 || z == 38 || z == 55 || z == 56 ||
                 z == 87 || z == 88;
  bool metall = (z >= 21 && z <= 30) || (z >= 39 && z <= 48) || (z >= 57 && z <= 80) || z >= 89;
  return metall ? 12 : s_block ? 8 : 6;
}

// What the geometry and the valence say about one atom.
struct Lage {
  int z = 0, grad = 0;
  double winkelsumme = 0;  // of the bond angles, degrees, for three neighbours
  bool gestreckt = false;  // two neighbours in a line
  double kurz = 9;         // q of its shortest bond to a heavy atom
  bool sicher = false;     // its hydrogens are all there
  bool frei = false;       // a nitrogen that may carry a hydrogen not in the file, or a double bond
  int fehlend = 0;         // bonds short of its valence
  int kap = 0, rang = 0;   // pi bonds it takes at most; how much it matters that it gets them
};

struct Kandidat {
  int a, b;
  double q;
};

// Pairs of atoms near enough to bond, from a grid of cells as wide as the longest bond possible.
std::vector<Kandidat> nahe_paare(const Bindungsgraph& g) {
  const int n = static_cast<int>(g.atome.size());
  double rmax = 0;
  for (const Graphatom& a : g.atome) rmax = std::max(rmax, radius(a.z));
  const double zelle = 2 * rmax + TOLERANZ;
  using Zelle = std::array<long long, 3>;
  std::vector<Zelle> ort(n);
  std::size_t groesse = 1;
  while (groesse < 2 * static_cast<std::size_t>(n)) groesse *= 2;
  auto streuen = [&](const Zelle& c) {
    auto u = [](long long w) { return static_cast<unsigned long long>(w); };
    return static_cast<std::size_t>((u(c[0]) * 73856093ULL) ^ (u(c[1]) * 19349663ULL) ^ (u(c[2]) * 83492791ULL)) &
           (groesse - 1);
  };
  std::vector<int> kopf(groesse, -1), naechster(n, -1);
  auto feld = [&](double w) { return static_cast<long long>(std::floor(std::clamp(w / zelle, -1e9, 1e9))); };
  for (int i = 0; i < n; i++) {
    const Vektor3d& p = g.atome[i].p;
    ort[i] = {feld(p.x), feld(p.y), feld(p.z)};
    std::size_t h = streuen(ort[i]);
    naechster[i] = kopf[h];
    kopf[h] = i;
  }
  std::vector<Kandidat> paare;
  for (int i = 0; i < n; i++)
    for (int d = 0; d < 27; d++) {
      Zelle c = {ort[i][0] + d % 3 - 1, ort[i][1] + d / 3 % 3 - 1, ort[i][2] + d / 9 - 1};
      for (int j = kopf[streuen(c)]; j >= 0; j = naechster[j]) {
        if (j <= i || ort[j] != c) continue;
        double abstand = abs(g.atome[j].p - g.atome[i].p), summe = radius(g.atome[i].z) + radius(g.atome[j].z);
        if (abstand >= MINDESTABSTAND && abstand <= summe + TOLERANZ) paare.push_back({i, j, abstand / summe});
      }
    }
  return paare;
}

bool gemeinsamer_nachbar(const Bindungsgraph& g, int a, int b) {
  return std::any_of(g.an[a].begin(), g.an[a].end(), [&](int k) {
    return std::any_of(g.an[b].begin(), g.an[b].end(), [&](int l) { return g.partner(k, a) == g.partner(l, b); });
  });
}

// The bonds: the relatively shortest first, each while both atoms have room for another neighbour;
// a long one between two atoms with a common neighbour is the far side of a small ring (as across
// bicyclo[1.1.1]pentane), no bond.
void verbinden(Bindungsgraph& g) {
  std::vector<Kandidat> paare = nahe_paare(g);
  std::sort(paare.begin(), paare.end(), [](const Kandidat& x, const Kandidat& y) {
    return x.q != y.q ? x.q < y.q : x.a != y.a ? x.a < y.a : x.b < y.b;
  });
  g.an.assign(g.atome.size(), {});
  for (const Kandidat& c : paare) {
    if (g.grad(c.a) >= hoechstens(g.atome[c.a].z) || g.grad(c.b) >= hoechstens(g.atome[c.b].z)) continue;
    if (c.q > DREIRING && gemeinsamer_nachbar(g, c.a, c.b)) continue;
    g.an[c.a].push_back(static_cast<int>(g.kanten.size()));
    g.an[c.b].push_back(static_cast<int>(g.kanten.size()));
    g.kanten.push_back({c.a, c.b, c.q, 0, false});
  }
}

bool wasserstoff(const Bindungsgraph& g, int a) { return g.atome[a].z == 1; }

// A neighbour of element z that has no other neighbour (an oxygen of a nitro group or N-oxide).
bool endatom(const Bindungsgraph& g, int a, int z) {
  for (int k : g.an[a]) {
    int b = g.partner(k, a);
    if (g.atome[b].z == z && g.grad(b) == 1) return true;
  }
  return false;
}

double winkel(const Bindungsgraph& g, int a, int k1, int k2) {
  const Vektor3d& p = g.atome[a].p;
  return vektorwinkel2(g.atome[g.partner(k1, a)].p - p, g.atome[g.partner(k2, a)].p - p) * 180 / M_PI;
}

// The usual valence of atom a with its neighbours; 0 for elements that take no pi bonds here.
// Without charges: N with an end O is N(=O) (nitro, N-oxide), a linear N beside an end N the
// middle of an azide or diazo group.
int valenz(const Bindungsgraph& g, int a, const Lage& l) {
  switch (l.z) {
    case 1:
    case 9:
    case 17:
    case 35:
    case 53: return 1;
    case 5: return l.grad >= 4 ? 4 : 3;
    case 6:
    case 14:
    case 32:
    case 50: return 4;
    case 7:
      if (l.grad >= 4 && endatom(g, a, 8)) return 5;
      if (l.grad == 3 && endatom(g, a, 8) && (l.sicher || l.winkelsumme >= EBEN)) return 5;  // not R2N-OH
      if (l.grad == 2 && l.gestreckt && endatom(g, a, 7)) return 5;
      return l.grad >= 4 ? 4 : 3;
    case 8: return l.grad >= 3 ? 3 : 2;
    case 15:
    case 33: return l.grad >= 4 || (l.grad == 3 && endatom(g, a, 8)) ? 5 : 3;
    case 16:
    case 34:
    case 52: return l.grad <= 2 ? 2 : l.grad == 3 ? 4 : 6;
    default: return 0;
  }
}

// Below which q an end oxygen on an atom of element z takes a double bond: carbonyl, not C-OH;
// the long N-O of an N-oxide, not that of a hydroxylamine; S=O and P=O, not S-OH and P-OH.
double sauerstoffgrenze(int z) { return z == 7 ? 0.985 : z == 15 || z == 16 ? 0.95 : 0.92; }

// The only neighbour of end atom a: a carbon in a line with its other neighbour.
bool gestreckter_partner(const Bindungsgraph& g, int a) {
  int b = g.partner(g.an[a][0], a);
  return g.atome[b].z == 6 && g.grad(b) == 2 && winkel(g, b, g.an[b][0], g.an[b][1]) >= GESTRECKT;
}

// The pi bonds an atom whose hydrogens may be missing can take, by its geometry.
int nach_geometrie(const Bindungsgraph& g, int a, const Lage& l, int fehlend) {
  double q = l.grad == 1 ? g.kanten[g.an[a][0]].q : 9;
  switch (l.z) {
    case 6:
      if (l.grad == 3) return l.winkelsumme >= EBEN || l.kurz < 0.92;  // or a double bond beyond doubt
      if (l.grad == 2) return l.gestreckt ? 2 : l.kurz < KONJUGIERT;
      if (l.grad == 1) return q < DREIFACH ? 2 : q < DOPPELT;
      return 0;
    case 7:  // at the end of a linear carbon a nitrile, however long
      if (l.grad == 1) return q < DREIFACH || gestreckter_partner(g, a) ? 2 : q < 0.90;
      return fehlend;
    case 8: {
      if (l.grad != 1) return 0;
      int b = g.partner(g.an[a][0], a);  // on an N with four neighbours the O of an N-oxide, however long
      return (g.atome[b].z == 7 && g.grad(b) == 4) || q < sauerstoffgrenze(g.atome[b].z);
    }
    case 16:
    case 34:
    case 52: return l.grad == 1 ? q < KONJUGIERT : fehlend;
    default: return fehlend;
  }
}

// Whether atom a, taking no pi bond by its valence or its bond lengths, may take one for a
// neighbour that is left without: a planar nitrogen with three neighbours as a cation (pyridinium,
// iminium, amidinium, guanidinium), an oxygen between two heavy atoms (pyrylium), and an atom
// whose hydrogens may be missing that its bond length alone kept from a double bond.
bool reserve(const Bindungsgraph& g, int a, const Lage& l) {
  if (l.kap > 0) return false;
  if (!l.sicher && l.grad == 1 && l.fehlend > 0 && l.z != 6) return true;
  if (l.z == 8)
    return l.grad == 2 && !wasserstoff(g, g.partner(g.an[a][0], a)) && !wasserstoff(g, g.partner(g.an[a][1], a));
  if (l.z != 7) return false;
  return (l.grad == 3 && l.winkelsumme >= EBEN && !endatom(g, a, 8)) || (!l.sicher && l.grad == 2);
}

// A nitrogen beside a carbonyl carbon or a sulfonyl sulfur: where an amide or sulfonamide has lost
// its hydrogen, the anion's charge sits there, and not on the oxygen.
bool amidisch(const Bindungsgraph& g, int a) {
  return std::any_of(g.an[a].begin(), g.an[a].end(), [&](int k) {
    int b = g.partner(k, a), z = g.atome[b].z;
    return (z == 6 || z == 16) && endatom(g, b, 8);
  });
}

// How much it matters that an atom gets its pi bonds, when not all can: most a carbon whose
// hydrogens or geometry say so (else a radical or carbocation), less an atom that may be an anion
// (carboxylate, phenolate) or a ring nitrogen that may carry a hydrogen not in the file, least the
// nitrogen of an amide anion. Rank 0, the reserve, only where an atom of rank 3 or 4 would go
// without: possible cations, and such a nitrogen outside a ring without a clear double bond (the
// amino group of an aminopyrimidine, an amide's NH; not an imine, azo or nitroso group, whose
// C=N, N=N, N=O are shorter than any single bond of theirs).
int rang(const Bindungsgraph& g, int a, const Lage& l, const std::vector<char>& ring) {
  if (reserve(g, a, l)) return 0;
  if (l.frei) {
    bool im_ring = std::any_of(g.an[a].begin(), g.an[a].end(), [&](int k) { return ring[k]; });
    bool doppelt = std::any_of(g.an[a].begin(), g.an[a].end(), [&](int k) {
      int z = g.atome[g.partner(k, a)].z;
      return g.kanten[k].q < (z == 8 ? 0.95 : z == 7 ? 0.90 : 0.89);
    });
    return im_ring || doppelt ? 2 : 0;
  }
  if (l.grad == 1 && l.kap == 1) return 2;
  if (l.z == 7 && l.grad == 2 && l.kap == 1 && amidisch(g, a)) return 1;
  return l.z == 6 && (l.sicher || l.grad == 3 || l.gestreckt) ? 4 : 3;
}

// Carbon atoms' hydrogens count as all there when some carbon has one; the others' when any
// hydrogen is bonded at all.
std::vector<Lage> lagen(const Bindungsgraph& g) {
  std::vector<char> ring = ringbindungen(g);
  bool c_sicher = false, sicher = false;
  for (const Graphkante& k : g.kanten) {
    int h = wasserstoff(g, k.a) ? k.b : wasserstoff(g, k.b) ? k.a : -1;
    if (h >= 0) sicher = true, c_sicher = c_sicher || g.atome[h].z == 6;
  }
  const int n = static_cast<int>(g.atome.size());
  std::vector<Lage> lage(n);
  for (int a = 0; a < n; a++) {
    Lage& l = lage[a];
    l.z = g.atome[a].z;
    l.grad = g.grad(a);
    for (int k : g.an[a])
      if (!wasserstoff(g, g.partner(k, a))) l.kurz = std::min(l.kurz, g.kanten[k].q);
    if (l.grad == 2) l.gestreckt = winkel(g, a, g.an[a][0], g.an[a][1]) >= GESTRECKT;
    if (l.grad == 3)
      l.winkelsumme = winkel(g, a, g.an[a][0], g.an[a][1]) + winkel(g, a, g.an[a][1], g.an[a][2]) +
                      winkel(g, a, g.an[a][0], g.an[a][2]);
    l.sicher = l.z == 6 ? c_sicher : sicher;
    l.fehlend = std::max(0, valenz(g, a, l) - l.grad);
    l.kap = l.sicher ? l.fehlend : std::min(l.fehlend, nach_geometrie(g, a, l, l.fehlend));
    l.frei = !l.sicher && l.z == 7 && l.grad == 2 && !l.gestreckt;
    l.rang = rang(g, a, l, ring);
  }
  return lage;
}

// Below which q a bond of a nitrogen that may as well carry a hydrogen is double: C=N as in
// pyridine, not C-N(H) as in pyrrole or an amide; N=N and N-N of azoles alike.
double stickstoffgrenze(int z) { return z == 6 ? 0.925 : z == 7 ? 0.96 : z == 8 ? sauerstoffgrenze(7) : DOPPELT; }

// Whether bond k can carry a pi bond: not to hydrogen, not too long, and short enough for a
// double bond where a nitrogen may as well carry a hydrogen (nachsichtig: as short as for
// carbon, for geometries that do not tell the two apart).
bool pi_moeglich(const Bindungsgraph& g, const std::vector<Lage>& lage, int k, bool nachsichtig) {
  const Graphkante& e = g.kanten[k];
  if (wasserstoff(g, e.a) || wasserstoff(g, e.b)) return false;
  auto geometrisch = [](const Lage& l) { return !l.sicher && l.z == 6 && l.grad >= 2; };
  if (!lage[e.a].frei && !lage[e.b].frei) return e.q < (geometrisch(lage[e.a]) || geometrisch(lage[e.b]) ? KURZ : LANG);
  double grenze = stickstoffgrenze(lage[e.a].frei ? lage[e.b].z : lage[e.a].z);
  return e.q < (nachsichtig ? std::max(grenze, KURZ) : grenze);
}

// The pi bonds as a matching: each atom as many vertices as pi bonds it takes, each bond joining
// all of them pairwise (so that a bond can take two, a triple bond); the reserve as single
// vertices of rank 0, which only atoms that must have their pi bonds reach. Returns the
// makeshifts: atoms that must have their pi bonds and go without, and reserve atoms taken.
int pi_bindungen_setzen(Bindungsgraph& g, const std::vector<Lage>& lage, bool nachsichtig) {
  const int n = static_cast<int>(g.atome.size());
  std::vector<int> sortiert(g.kanten.size());
  for (std::size_t k = 0; k < sortiert.size(); k++) sortiert[k] = static_cast<int>(k);
  std::stable_sort(sortiert.begin(), sortiert.end(), [&](int x, int y) { return g.kanten[x].q < g.kanten[y].q; });
  Paarung p;
  p.reserve_ab = 3;
  std::vector<int> erster(n), anzahl(n, 0);
  for (int a = 0; a < n; a++) {
    erster[a] = static_cast<int>(p.rang.size());
    anzahl[a] = lage[a].rang == 0 ? 1 : lage[a].kap;
    for (int i = 0; i < anzahl[a]; i++) p.knoten_anlegen(lage[a].rang);
  }
  std::vector<int> kanten;
  for (int k : sortiert) {
    const Graphkante& e = g.kanten[k];
    bool reserve_a = lage[e.a].rang == 0, reserve_b = lage[e.b].rang == 0;  // never two of them
    if (!anzahl[e.a] || !anzahl[e.b] || (reserve_a && reserve_b)) continue;
    const Lage &r = lage[reserve_a ? e.a : e.b], &partner = lage[reserve_a ? e.b : e.a];
    bool ohne_h = (reserve_a || reserve_b) && r.z == 7 && r.grad == 1 && !r.sicher;
    bool oxonium = (reserve_a || reserve_b) && r.z == 8 && r.grad == 2;
    bool moeglich = pi_moeglich(g, lage, k, nachsichtig) && (!ohne_h || e.q < DOPPELT) && (!oxonium || partner.z == 6);
    if (moeglich) {
      for (int i = 0; i < anzahl[e.a]; i++)
        for (int j = 0; j < anzahl[e.b]; j++) p.kante_anlegen(erster[e.a] + i, erster[e.b] + j);
      kanten.push_back(k);
    }
  }
  for (int k : kanten) {  // the greedy start: the shortest bonds first, a triple where it fits
    const Graphkante& e = g.kanten[k];
    if (lage[e.a].rang == 0 || lage[e.b].rang == 0) continue;
    for (int mal = e.q < DREIFACH ? 2 : 1, i = 0; i < anzahl[e.a] && mal > 0; i++)
      for (int j = 0; j < anzahl[e.b] && mal > 0; j++)
        if (p.partner[erster[e.a] + i] < 0 && p.partner[erster[e.b] + j] < 0)
          p.gierig_paaren(erster[e.a] + i, erster[e.b] + j), mal--;
  }
  p.maximieren();
  for (int k : kanten) {
    Graphkante& e = g.kanten[k];
    for (int i = 0; i < anzahl[e.a]; i++) {
      int w = p.partner[erster[e.a] + i];
      e.pi += w >= erster[e.b] && w < erster[e.b] + anzahl[e.b];
    }
    auto sp = [&](int a) { return lage[a].grad == 1 || lage[a].gestreckt; };  // a triple bond needs both
    if (e.pi > 1 && !(sp(e.a) && sp(e.b))) e.pi = 1;
  }
  int notbehelfe = 0;
  for (std::size_t v = 0; v < p.rang.size(); v++)
    notbehelfe += p.rang[v] == 0 ? p.partner[v] >= 0 : p.rang[v] >= p.reserve_ab && p.partner[v] < 0;
  return notbehelfe;
}

// Where an atom that must have its pi bonds goes without or takes them from the reserve, the
// nitrogen bonds are tried once more with the length limit of carbon, and kept if that needs
// fewer such makeshifts.
void ordnungen_bestimmen(Bindungsgraph& g) {
  std::vector<Lage> lage = lagen(g);
  int notbehelfe = pi_bindungen_setzen(g, lage, false);
  if (notbehelfe > 0) {
    std::vector<Graphkante> streng = g.kanten;
    for (Graphkante& e : g.kanten) e.pi = 0;
    if (pi_bindungen_setzen(g, lage, true) >= notbehelfe) g.kanten = streng;
  }
  aromaten_markieren(g);
}

}  // namespace

int bindungen_erkennen(int mnr) {
  const Molekuel& m = molekuel[mnr];
  Bindungsgraph g;
  for (int i = m.ia; i < m.ia + m.natoms; i++) {
    int z = pernr(atomliste[i].name);
    if (!isepaar(i) && z > 0) g.atome.push_back({i, z, atomliste[i].p});
  }
  verbinden(g);
  ordnungen_bestimmen(g);
  std::vector<int> reihe(g.kanten.size());
  for (std::size_t k = 0; k < reihe.size(); k++) reihe[k] = static_cast<int>(k);
  auto enden = [&](int k) { return std::minmax(g.atome[g.kanten[k].a].nr, g.atome[g.kanten[k].b].nr); };
  std::sort(reihe.begin(), reihe.end(), [&](int x, int y) { return enden(x) < enden(y); });
  int neu = 0;
  for (int k : reihe) {
    if (!bindung_anfuegen(enden(k).first, enden(k).second, g.ordnung(k), mnr)) break;
    neu++;
  }
  std::printf("Molekuel %d: %d Bindung%s aus den Abstaenden erkannt\n", mnr, neu, neu == 1 ? "" : "en");
  return neu;
}
