// The model: element data, the atom table and the selection, moving the rest of a molecule, the free place.
#include "model/tabellen.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "model/elemente.h"
#include "model/freieposition.h"
#include "model/nachschieben.h"
#include "testhilfe.h"

// D is hydrogen, J iodine, two letters count only as written; a van der Waals radius 0 means covalent + 0.8.
TEST(Elemente, OrdnungszahlenRadienUndBindungslaengen) {
  struct {
    const char* symbol;
    int nr;
  } const elemente[] = {{"C", 6}, {"D", 1}, {"J", 53}, {"e", 0}, {"Cl", 17}, {"CL", 0}, {"Ha", 105}};
  for (const auto& e : elemente) EXPECT_EQ(pernr(e.symbol), e.nr) << e.symbol;
  EXPECT_DOUBLE_EQ(vanderwaalsradius("J"), 2.15);
  // order 0 is the van der Waals distance; aromatic C-C and C-N are fixed, else the mean of single and double
  struct {
    const char *a, *b;
    float ordnung;
    double laenge;
  } const bindungen[] = {{"C", "C", 1, 1.54},   {"C", "C", 2, 1.34},  {"C", "C", 3, 1.2},    {"H", "H", 0, 2.4},
                         {"Xx", "C", 1, 1.52},  {"C", "C", 1.5, 1.4}, {"C", "N", 1.5, 1.38}, {"N", "C", 1.5, 1.38},
                         {"C", "O", 1.5, 1.40}, {"C", "C", 2.5, 3.14}};
  for (const auto& b : bindungen)
    EXPECT_NEAR(standardbindungslaenge(b.a, b.b, b.ordnung), b.laenge, 1e-6) << b.a << "-" << b.b << " " << b.ordnung;
  EXPECT_EQ(ausgabe_von([] { standardbindungslaenge("C", "C", 2.5f); }), "Bindung 2.500000 noch nicht definiert\n");
}

// Elements known by sight get their values, others grey and a name of 3 letters at most; four may be selected.
TEST(Tabellen, AtomeUndAuswahl) {
  struct {
    const char *name, *kurz;
    int kz;
    double ra;
    int r, g, b;
  } const atome[] = {{"C", "C", 4, 0.772, 50, 50, 50},
                     {"Cl", "Cl", 1, 0.994, 0, 255, 0},
                     {"J", "J", 1, 1.331, 127, 255, 255},
                     {"Carbonyl", "Car", 1, 1, 127, 127, 127}};
  for (const auto& soll : atome) {
    Atomlist a;
    ausgabe_von([&] { a.set(soll.name, Vektor3d(), 0); });
    EXPECT_STREQ(a.name, soll.kurz);
    EXPECT_EQ(a.kz, soll.kz) << soll.name;
    EXPECT_DOUBLE_EQ(a.ra, soll.ra) << soll.name;
    EXPECT_EQ(a.r, soll.r) << soll.name;
    EXPECT_EQ(a.g, soll.g) << soll.name;
    EXPECT_EQ(a.b, soll.b) << soll.name;
  }
  tabellen_leeren();
  for (int i : {5, 2, 9, 4, 2, 2}) atomliste[i].select(i);  // picking a selected atom again drops it from the order
  EXPECT_EQ(ausgabe_von([] { atomliste[7].select(7); }), "es koennen maximal 4 Atome selektiert werden\n");
  EXPECT_EQ(std::vector<int>(selectlist, selectlist + nsel), std::vector<int>({5, 9, 4, 2}));
}

using Bindungen = std::vector<std::pair<int, int>>;

// C atoms at x = 0, 1, ... in the molecules mol names, bonded and marked: their y after moving y + 1 from start.
static std::string geschoben(const std::string& mol, const Bindungen& bindungen, const std::vector<int>& marken,
                             int start, bool startflag) {
  tabellen_leeren();
  for (char m : mol) atomliste[anz_atome].set("C", Vektor3d(anz_atome, 0, 0), m - '0'), anz_atome++;
  for (auto [a, b] : bindungen) bondliste[anz_bonds++].set(a, b, 1, atomliste[a].molekuelnr);
  for (int i : marken) atomliste[i].tmpflag = 1;
  atome_nachschieben(start, Vektor3d(0, 1, 0), startflag);
  std::string s;
  for (int i = 0; i < anz_atome; i++) s += std::to_string(std::lround(atomliste[i].p.y));
  return s;
}

// A marked atom parts the rest from the start; only startflag or a marked start clears the marks.
TEST(Nachschieben, VerschiebtWasDieMarkenNichtAbtrennen) {
  auto markiert = [] { return std::count_if(atomliste, atomliste + anz_atome, [](Atomlist& a) { return a.tmpflag; }); };
  Bindungen kette = {{0, 1}, {1, 2}, {2, 3}, {3, 4}, {4, 5}}, lang;
  EXPECT_EQ(geschoben("000000", kette, {1}, 2, false), "001111");
  EXPECT_EQ(markiert(), 5);
  EXPECT_EQ(geschoben("000000", kette, {1, 2}, 2, false), "000111");
  EXPECT_EQ(markiert(), 0);
  EXPECT_EQ(geschoben("000000", {{0, 1}, {1, 2}, {2, 3}, {3, 4}, {4, 5}, {5, 0}}, {3}, 4, true), "111011");  // a ring
  EXPECT_EQ(markiert(), 0);
  // bonds across the molecules, once under each molecule's number
  EXPECT_EQ(geschoben("00011", {{0, 1}, {1, 2}, {2, 3}, {4, 1}, {3, 4}}, {}, 3, true), "00011");
  // no depth limit: a chain of all atoms, bonded from the far end
  for (int i = MAX_ATOME - 1; i > 0; i--) lang.emplace_back(i - 1, i);
  EXPECT_EQ(geschoben(std::string(MAX_ATOME, '0'), lang, {}, 0, true), std::string(MAX_ATOME, '1'));
}

// 1.5 radii from a C, as angles to its bonded neighbours; with H atoms all round the 120 degree cone, straight on.
TEST(FreiePosition, NebenDenBindungen) {
  const double r = 1 / std::sqrt(3.0), rand = 1.5 * 0.772;
  const Vektor3d x(1, 0, 0), t[] = {{r, r, r}, {r, -r, -r}, {-r, r, -r}, {-r, -r, r}};  // a tetrahedron
  struct {
    std::vector<Vektor3d> nachbarn;
    std::vector<double> winkel;
    bool gedraengt;  // H atoms all round the cone
  } const faelle[] = {{{}, {}, false},
                      {{x}, {120}, false},
                      {{x}, {180}, true},
                      {{x, {0, 1, 0}}, {135, 135}, false},
                      {{x, -x}, {90, 90}, false},
                      {{t, t + 3}, {109.47, 109.47, 109.47}, false},
                      {{t, t + 4}, {90, 144.74, 35.26, 90}, false}};
  for (const auto& f : faelle) {
    tabellen_leeren();
    atomliste[anz_atome++].set("C", Vektor3d(), 0);
    for (Vektor3d n : f.nachbarn) bondliste[anz_bonds++].set(0, anz_atome, 1, 0), atomliste[anz_atome++].set("C", n, 0);
    for (int k = 0; f.gedraengt && k < 12; k++)
      atomliste[anz_atome++].set(
          "H", Vektor3d(-0.5, 0.866 * std::cos(k * M_PI / 6), 0.866 * std::sin(k * M_PI / 6)) * rand, 0);
    Vektor3d neu;
    ausgabe_von([&] { neu = freieposition(0); });
    EXPECT_NEAR(abs(neu), rand, 1e-9) << f.nachbarn.size() << " Nachbarn";
    for (std::size_t i = 0; i < f.winkel.size(); i++)
      EXPECT_NEAR(vektorwinkel2(f.nachbarn[i], neu) * 180 / M_PI, f.winkel[i], 0.01);
  }
}
