// Edmonds' blossom algorithm: augmenting paths found by a breadth-first search that shrinks odd
// cycles (blossoms) to their base, from each free vertex in the order of the ranks; then exchanges
// that trade a covered vertex of lower rank for a free one of higher rank. By the exchange
// property of the sets of vertices a matching can cover (a matroid), no such exchange left means
// the ranks are covered best.
#include "model/paarung.h"

#include <algorithm>

int Paarung::knoten_anlegen(int r) {
  nachbarn.emplace_back();
  partner.push_back(-1);
  rang.push_back(r);
  return static_cast<int>(rang.size()) - 1;
}

void Paarung::kante_anlegen(int a, int b) {
  nachbarn[a].push_back(b);
  nachbarn[b].push_back(a);
}

void Paarung::gierig_paaren(int a, int b) {
  if (partner[a] < 0 && partner[b] < 0) partner[a] = b, partner[b] = a;
}

// The base of the blossom that the edge a-b closes: where the paths of a and b to the root meet.
int Paarung::gemeinsame_basis(int a, int b) {
  std::vector<char> gesehen(rang.size(), 0);
  for (;;) {
    a = basis[a];
    gesehen[a] = 1;
    if (partner[a] < 0) break;
    a = vor[partner[a]];
  }
  for (;;) {
    b = basis[b];
    if (gesehen[b]) return b;
    b = vor[partner[b]];
  }
}

// Walks from v down to the base b, marking the blossom and pointing the odd vertices across it.
void Paarung::pfad_markieren(int v, int b, int kind) {
  while (basis[v] != b) {
    bluete[basis[v]] = bluete[basis[partner[v]]] = 1;
    vor[v] = kind;
    kind = partner[v];
    v = vor[partner[v]];
  }
}

// The free end of an augmenting path from wurzel, or -1; the vertices reached at an even distance
// are left marked in benutzt.
int Paarung::pfad_suchen(int wurzel) {
  const int n = static_cast<int>(rang.size());
  benutzt.assign(n, 0);
  vor.assign(n, -1);
  basis.resize(n);
  for (int i = 0; i < n; i++) basis[i] = i;
  benutzt[wurzel] = 1;
  schlange.assign(1, wurzel);
  for (std::size_t k = 0; k < schlange.size(); k++) {
    int v = schlange[k];
    for (int w : nachbarn[v]) {
      if (basis[v] == basis[w] || partner[v] == w || w == gesperrt ||
          (rang[w] == 0 && (!randweise || rang[wurzel] < reserve_ab)))
        continue;
      if (w == wurzel || (partner[w] >= 0 && vor[partner[w]] >= 0)) {
        int b = gemeinsame_basis(v, w);
        bluete.assign(n, 0);
        pfad_markieren(v, b, w);
        pfad_markieren(w, b, v);
        for (int i = 0; i < n; i++)
          if (bluete[basis[i]]) {
            basis[i] = b;
            if (!benutzt[i]) benutzt[i] = 1, schlange.push_back(i);
          }
      } else if (vor[w] < 0) {
        vor[w] = v;
        if (partner[w] < 0) return w;
        benutzt[partner[w]] = 1;
        schlange.push_back(partner[w]);
      }
    }
  }
  return -1;
}

void Paarung::umkehren(int ende) {
  while (ende >= 0) {
    int v = vor[ende], weiter = partner[v];
    partner[ende] = v;
    partner[v] = ende;
    ende = weiter;
  }
}

bool Paarung::erweitern(int wurzel) {
  int ende = pfad_suchen(wurzel);
  umkehren(ende);
  return ende >= 0;
}

// Free wurzel takes the place of the covered vertex of lowest rank below its own that an
// alternating path of even length reaches: that vertex's partner, freed, ends the path. Kept only
// when the ranks covered grow.
bool Paarung::tauschen(int wurzel) {
  pfad_suchen(wurzel);
  int weg = -1;
  for (int w = 0; w < static_cast<int>(rang.size()); w++)
    if (benutzt[w] && partner[w] >= 0 && rang[w] < rang[wurzel] && (weg < 0 || rang[w] < rang[weg])) weg = w;
  if (weg < 0) return false;
  std::vector<int> vorher = partner;
  int frei = partner[weg];
  gesperrt = weg;
  partner[frei] = partner[weg] = -1;
  bool gelungen = erweitern(wurzel) && partner[frei] >= 0;
  gesperrt = -1;
  if (!gelungen) partner = vorher;
  return gelungen;
}

// Exchanges until none helps: each free vertex takes the place of a covered one of lower rank.
void Paarung::tauschen_alle(const std::vector<int>& reihe) {
  for (bool getauscht = true; getauscht;) {
    getauscht = false;
    for (int v : reihe)
      if (partner[v] < 0 && rang[v] > 0 && tauschen(v)) getauscht = true;
  }
}

// First without the reserve: a maximum matching, then the exchanges; then the reserve for the
// vertices of rank reserve_ab and above still free, and the exchanges once more.
void Paarung::maximieren() {
  std::vector<int> reihe(rang.size());
  for (std::size_t i = 0; i < reihe.size(); i++) reihe[i] = static_cast<int>(i);
  std::stable_sort(reihe.begin(), reihe.end(), [&](int a, int b) { return rang[a] > rang[b]; });
  randweise = false;
  for (int v : reihe)
    if (partner[v] < 0 && rang[v] > 0) erweitern(v);
  tauschen_alle(reihe);
  randweise = true;
  for (int v : reihe)
    if (partner[v] < 0 && rang[v] >= reserve_ab) erweitern(v);
  tauschen_alle(reihe);
}
