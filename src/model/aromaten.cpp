// Hueckel's rule on the chordless rings of up to eight atoms. Each ring atom gives one pi electron
// for a double bond that lies in a ring, a carbon none for one to an exocyclic N, O or S (a
// carbonyl carbon), two for a lone pair (N, P with single bonds only; O, S, Se, Te with two
// neighbours); any other atom (sp3, a triple bond, an exocyclic C=C, a sulfoxide's S) keeps its
// ring from being aromatic.
#include "model/aromaten.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace {

constexpr int MAX_RING = 8;
constexpr double EBEN = 0.25;  // furthest a ring atom may lie from the ring's plane, in Angstrom

// The pi electrons atom a gives an aromatic ring, -1 when it cannot be part of one. A double bond
// from N to a lone O stands for N+-O- and counts for nothing.
int pi_elektronen(const Bindungsgraph& g, int a, const std::vector<char>& ring) {
  const int z = g.atome[a].z;
  int doppel = -1, anzahl = 0;
  bool oxid = false;
  for (int k : g.an[a]) {
    if (g.kanten[k].pi >= 2) return -1;
    if (g.kanten[k].pi == 0) continue;
    int b = g.partner(k, a);
    if (z == 7 && g.atome[b].z == 8 && g.grad(b) == 1)
      oxid = true;
    else
      doppel = k, anzahl++;
  }
  if (anzahl > 1) return -1;
  if (anzahl == 1) {
    int bz = g.atome[g.partner(doppel, a)].z;
    return ring[doppel] ? 1 : z == 6 && (bz == 7 || bz == 8 || bz == 16) ? 0 : -1;
  }
  if (oxid) return -1;
  if ((z == 7 || z == 15) && g.grad(a) <= 3) return 2;
  if ((z == 8 || z == 16 || z == 34 || z == 52) && g.grad(a) == 2) return 2;
  return -1;
}

struct Ring {
  std::vector<int> atome, kanten;  // in order round the ring; kanten[i] joins atome[i] and atome[i + 1]
  bool eben;
};

// Collects the chordless rings through candidate atoms, each once from its lowest atom.
struct Ringsuche {
  const Bindungsgraph& g;
  const std::vector<int>& elektronen;
  std::vector<int> stelle, pfad, pfadkanten;
  std::vector<Ring> ringe;

  Ringsuche(const Bindungsgraph& graph, const std::vector<int>& e)
      : g(graph), elektronen(e), stelle(graph.atome.size(), -1) {}

  void ring_aufnehmen(int schluss) {
    Ring r{pfad, pfadkanten, false};
    r.kanten.push_back(schluss);
    Vektor3d normale, mitte = std::accumulate(r.atome.begin(), r.atome.end(), Vektor3d(),
                                              [&](Vektor3d s, int a) { return s + g.atome[a].p; }) /
                              static_cast<double>(r.atome.size());
    for (std::size_t i = 0; i < r.atome.size(); i++)  // Newell's normal
      normale +=
          vektorkreuzprodukt(g.atome[r.atome[i]].p - mitte, g.atome[r.atome[(i + 1) % r.atome.size()]].p - mitte);
    if (abs(normale) > 0) {
      normale = einheit(normale);
      r.eben = std::all_of(r.atome.begin(), r.atome.end(),
                           [&](int a) { return std::fabs(Vektor3dprodukt(g.atome[a].p - mitte, normale)) <= EBEN; });
    }
    ringe.push_back(r);
  }

  // Extends the path ending at v by each neighbour w that keeps it free of chords; a w bonded
  // back to the start closes a ring.
  void weiter(int v) {
    const int laenge = static_cast<int>(pfad.size());
    for (int k : g.an[v]) {
      int w = g.partner(k, v);
      if (w < pfad[0] || stelle[w] >= 0 || elektronen[w] < 0 || laenge == MAX_RING) continue;
      int schluss = -1;
      bool sehne = false;
      for (int k2 : g.an[w]) {
        int s = stelle[g.partner(k2, w)];
        if (s == 0 && laenge >= 2) schluss = k2;
        if (s >= 1 && s < laenge - 1) sehne = true;
      }
      if (sehne) continue;
      stelle[w] = laenge;
      pfad.push_back(w);
      pfadkanten.push_back(k);
      if (schluss < 0)
        weiter(w);
      else if (pfad[1] < w)
        ring_aufnehmen(schluss);
      pfad.pop_back();
      pfadkanten.pop_back();
      stelle[w] = -1;
    }
  }

  void alle() {
    for (int s = 0; s < static_cast<int>(g.atome.size()); s++) {
      if (elektronen[s] < 0) continue;
      stelle[s] = 0;
      pfad.assign(1, s);
      pfadkanten.clear();
      weiter(s);
      stelle[s] = -1;
    }
  }
};

bool hueckel(int elektronen) { return elektronen % 4 == 2; }

int summe(const std::vector<int>& atome, const std::vector<int>& elektronen) {
  return std::accumulate(atome.begin(), atome.end(), 0, [&](int s, int a) { return s + elektronen[a]; });
}

// The bond two rings share, -1 when they share none.
int gemeinsame_kante(const Ring& r, const Ring& t) {
  for (int k : r.kanten)
    if (std::find(t.kanten.begin(), t.kanten.end(), k) != t.kanten.end()) return k;
  return -1;
}

// Two fused rings, not both aromatic on their own, that are aromatic together round their rim
// (indolizine, whose six-ring alone counts seven electrons; azulene).
void paare_markieren(Bindungsgraph& g, const std::vector<Ring>& ringe, const std::vector<char>& aromatisch,
                     const std::vector<int>& elektronen) {
  for (std::size_t i = 0; i < ringe.size(); i++)
    for (std::size_t j = i + 1; j < ringe.size(); j++) {
      const Ring &r = ringe[i], &t = ringe[j];
      if ((aromatisch[i] && aromatisch[j]) || !r.eben || !t.eben) continue;
      int geteilt = gemeinsame_kante(r, t);
      if (geteilt < 0) continue;
      std::vector<int> alle = r.atome;
      for (int a : t.atome)
        if (std::find(alle.begin(), alle.end(), a) == alle.end()) alle.push_back(a);
      if (alle.size() != r.atome.size() + t.atome.size() - 2 || !hueckel(summe(alle, elektronen))) continue;
      for (const Ring* x : {&r, &t})
        for (int k : x->kanten)
          if (k != geteilt) g.kanten[k].aromatisch = true;
      if (!g.kanten[geteilt].aromatisch) g.kanten[geteilt].pi = 0;
    }
}

}  // namespace

// The bridges of the graph by Tarjan's low points: every other bond lies on a ring.
std::vector<char> ringbindungen(const Bindungsgraph& g) {
  const int n = static_cast<int>(g.atome.size());
  std::vector<char> ring(g.kanten.size(), 1);
  std::vector<int> zeit(n, -1), tief(n, 0), kante_hinein(n, -1), stapel, naechste(n, 0);
  int uhr = 0;
  for (int s = 0; s < n; s++) {
    if (zeit[s] >= 0) continue;
    zeit[s] = tief[s] = uhr++;
    stapel.assign(1, s);
    while (!stapel.empty()) {
      int v = stapel.back();
      if (naechste[v] < g.grad(v)) {
        int k = g.an[v][naechste[v]++], w = g.partner(k, v);
        if (k == kante_hinein[v]) continue;
        if (zeit[w] < 0) {
          zeit[w] = tief[w] = uhr++;
          kante_hinein[w] = k;
          stapel.push_back(w);
        } else {
          tief[v] = std::min(tief[v], zeit[w]);
        }
        continue;
      }
      stapel.pop_back();
      if (stapel.empty()) continue;
      int u = stapel.back();
      tief[u] = std::min(tief[u], tief[v]);
      if (tief[v] > zeit[u]) ring[kante_hinein[v]] = 0;
    }
  }
  return ring;
}

void aromaten_markieren(Bindungsgraph& g) {
  std::vector<char> ring = ringbindungen(g);
  std::vector<int> elektronen(g.atome.size());
  for (std::size_t a = 0; a < g.atome.size(); a++) elektronen[a] = pi_elektronen(g, static_cast<int>(a), ring);
  Ringsuche suche(g, elektronen);
  suche.alle();
  std::vector<char> aromatisch(suche.ringe.size(), 0);
  for (std::size_t i = 0; i < suche.ringe.size(); i++) {
    const Ring& r = suche.ringe[i];
    aromatisch[i] = r.eben && hueckel(summe(r.atome, elektronen));
    if (aromatisch[i])
      for (int k : r.kanten) g.kanten[k].aromatisch = true;
  }
  paare_markieren(g, suche.ringe, aromatisch, elektronen);
}
