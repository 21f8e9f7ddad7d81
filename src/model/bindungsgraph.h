// The atoms of one molecule and the bonds found between them, as the bond perception works on
// them before they go into the tables: bond orders as a count of pi bonds, aromatic rings marked.
#pragma once

#include <vector>

#include "geometry/vektor.h"

struct Graphatom {
  int nr;  // in the atom table
  int z;   // element number
  Vektor3d p;
};

struct Graphkante {
  int a, b;         // atoms of the graph
  double q;         // length over the sum of the covalent radii: below 1 shorter than a single bond
  int pi;           // pi bonds: the order less one
  bool aromatisch;  // in an aromatic ring: order 1.5
};

struct Bindungsgraph {
  std::vector<Graphatom> atome;
  std::vector<Graphkante> kanten;
  std::vector<std::vector<int>> an;  // the bonds of each atom

  int partner(int k, int a) const { return kanten[k].a == a ? kanten[k].b : kanten[k].a; }
  int grad(int a) const { return static_cast<int>(an[a].size()); }
  float ordnung(int k) const { return kanten[k].aromatisch ? 1.5f : 1.0f + kanten[k].pi; }
};
