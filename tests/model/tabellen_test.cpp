// The model: element numbers, radii and bond lengths; atom, bond and molecule tables (element defaults,
// selection order, reserved runs); moving the rest of a molecule (marked barriers, rings, other molecules).
#include "model/tabellen.h"

#include <gtest/gtest.h>

#include "model/elemente.h"
#include "model/nachschieben.h"
#include "testhilfe.h"

// D is hydrogen, J iodine, two letters count only as written; a van der Waals radius 0 means covalent + 0.8.
TEST(Elemente, OrdnungszahlenUndRadien) {
  for (auto [symbol, nr] : {std::pair("B", 5),
                            {"C", 6},
                            {"D", 1},
                            {"J", 53},
                            {"P", 15},
                            {"U", 92},
                            {"A", 0},
                            {"e", 0},
                            {"", 0},
                            {"He", 2},
                            {"Cl", 17},
                            {"CL", 0},
                            {"Cla", 0},
                            {"Al", 13},
                            {"Zn", 30},
                            {"Rf", 104},
                            {"Ha", 105},
                            {"Xx", 0}})
    EXPECT_EQ(pernr(symbol), nr) << symbol;
  for (auto [symbol, r] : {std::pair("Br", 1.95), {"C", 0.77 + 0.8}, {"Si", 1.17 + 0.8}, {"e", 1.2}})
    EXPECT_DOUBLE_EQ(vanderwaalsradius(symbol), r) << symbol;
}

// Order 0 is the van der Waals distance; aromatic C-C and C-N are fixed, else the mean of single and double.
TEST(Elemente, StandardbindungslaengeNachOrdnung) {
  for (auto [a, b, ordnung, laenge] : {std::tuple("C", "C", 1.0f, 1.54),
                                       {"C", "C", 2.0f, 1.34},
                                       {"C", "C", 3.0f, 1.2},
                                       {"C", "C", 4.0f, 1.2},
                                       {"C", "C", -1.0f, 1.2},
                                       {"C", "H", 1.0f, 1.07},
                                       {"O", "H", 1.0f, 1.04},
                                       {"C", "O", 2.0f, 1.29},
                                       {"N", "N", 3.0f, 1.1},
                                       {"H", "H", 0.0f, 2.4},
                                       {"Xx", "C", 1.0f, 0.75 + 0.77},
                                       {"C", "C", 1.5f, 1.4},
                                       {"C", "N", 1.5f, 1.38},
                                       {"N", "C", 1.5f, 1.38},
                                       {"C", "O", 1.5f, (1.51 + 1.29) / 2},
                                       {"C", "Cl", 1.5f, (1.77 + 1.42) / 2},
                                       {"C", "C", 2.5f, 3.14}})
    EXPECT_NEAR(standardbindungslaenge(a, b, ordnung), laenge, 1e-6) << a << "-" << b << " " << ordnung;
  EXPECT_EQ(ausgabe_von([] { standardbindungslaenge("C", "C", 2.5f); }), "Bindung 2.500000 noch nicht definiert\n");
}

// Known elements get their values (name, electron-pair places, radius, colour), others a grey default and a
// name of 3 letters at most; set keeps flags and nep. Picking a selected atom again drops it from the order;
// a fifth is refused.
TEST(Tabellen, AtomeUndAuswahl) {
  for (auto [name, soll] : {std::pair("C", "C 4 0.772 50,50,50"),
                            {"Cl", "Cl 1 0.994 0,255,0"},
                            {"e", "e 1 0.25 190,190,255"},
                            {"S", "S 6 1.035 255,255,0"},
                            {"J", "J 1 1.331 127,255,255"},
                            {"Cu", "Cu 2 1.32 142,64,42"},
                            {"X", "unbekanntes Atom 'X'\nX 1 1 127,127,127"},
                            {"Carbonyl", "Werte von Atom 'Car' auf Default gesetzt\nCar 1 1 127,127,127"}}) {
    Atomlist a;
    Vektor3d v;
    std::string s = ausgabe_von([&, name = name] { a.set(name, v, 0); });
    char werte[64];
    std::snprintf(werte, sizeof werte, "%s %d %g %d,%d,%d", a.name, a.kz, a.ra, a.r, a.g, a.b);
    EXPECT_EQ(s + werte, soll);
  }
  tabellen_leeren();
  Atomlist& a = atomliste[0];
  a.flags = a.nep = 2, a.selectflag = a.tmpflag = 1;
  Vektor3d v(1, 2, 3);
  a.set("e", v, 7);
  atomliste[1].set("Fe", v, 0);
  EXPECT_EQ(std::vector<int>({a.flags, a.nep, a.selectflag, a.tmpflag, a.molekuelnr, isepaar(0), isepaar(1)}),
            std::vector<int>({2, 2, 0, 0, 7, 1, 0}));
  erwarte_nah(a.p, v);
  tabellen_leeren();
  EXPECT_EQ(ausgabe_von([] {
              for (int i : {5, 2, 9, 4, 7, 2, 2}) atomliste[i].select(i);
            }),
            "es koennen maximal 4 Atome selektiert werden\n");
  EXPECT_EQ(std::vector<int>(selectlist, selectlist + nsel), std::vector<int>({5, 9, 4, 2}));
  EXPECT_EQ(std::vector<int>({atomliste[2].selectflag, atomliste[7].selectflag}), std::vector<int>({1, 0}));
}

// A molecule fills only the run init reserved, after giving back the rest too, and moves only its own atoms.
TEST(Tabellen, MolekuelFuelltNurSeinenReserviertenLauf) {
  tabellen_leeren();
  anz_molek = 2;
  molekuel[0].init(0, 2, 1);
  molekuel[1].init(1, 3, 2);
  Vektor3d v(1, 1, 1), w(5, 5, 5);
  EXPECT_EQ(ausgabe_von([&] {
              molekuel[1].addatom("H", w);
              molekuel[1].addbond(2, 3, 0);  // order 0 is taken as 1
              for (const char* name : {"C", "O", "N"}) molekuel[0].addatom(name, v);
              for (float ordnung : {2, 1}) molekuel[0].addbond(0, 1, ordnung);
              molekuel[1].rest_freigeben();
              molekuel[1].addatom("H", v);
            }),
            "Fehler: zu viele Atome in Melekuel 0\nFehler: zu viele Bindungen in Melekuel 0\n"
            "Fehler: zu viele Atome in Melekuel 1\n");
  const Bondlist &b0 = bondliste[0], &b1 = bondliste[1];
  EXPECT_EQ(std::vector<float>({b0.strong, 1.0f * b1.n1, 1.0f * b1.n2, b1.strong}), std::vector<float>({2, 2, 3, 1}));
  molekuel[0].schieben(Vektor3d(1, 2, 3));
  erwarte_nah(atomliste[1].p, 0, -1, -2);
  erwarte_nah(atomliste[2].p, w);
}

using Bindungen = std::vector<std::pair<int, int>>;

// Carbon atoms at x = 0, 1, ... of the molecules in mol (a digit each), bonds under the molecule of a, marks:
// the y of every atom after moving or turning from atom start, then a 1 for every mark left.
static std::string nachgeschoben(const std::string& mol, const Bindungen& bindungen, const std::vector<int>& marken,
                                 const std::function<void()>& schieben) {
  tabellen_leeren();
  Vektor3d v;
  for (char m : mol) atomliste[anz_atome++].set("C", v, m - '0'), v.x++;
  for (auto [a, b] : bindungen) bondliste[anz_bonds++].set(a, b, 1, atomliste[a].molekuelnr);
  for (int i : marken) atomliste[i].tmpflag = 1;
  schieben();
  std::string s;
  for (int i = 0; i < anz_atome; i++) s += std::to_string(std::lround(atomliste[i].p.y));
  for (int i = 0; i < anz_atome; i++) s += atomliste[i].tmpflag ? "1" : "";
  return s;
}

// Each row shifts by y = 1 from its start atom; only the caller's call (startflag) clears the marks. Turning
// goes about the pivot.
TEST(Nachschieben, VerschiebtWasDieMarkenNichtAbtrennen) {
  Bindungen kette = {{0, 1}, {1, 2}, {2, 3}, {3, 4}, {4, 5}}, ring = kette,
            quer = {{0, 1}, {1, 2}, {2, 3}, {4, 1}, {3, 4}}, rueckwaerts;
  ring.emplace_back(5, 0);
  for (int i = MAX_ATOME - 1; i > 0; i--) rueckwaerts.emplace_back(i - 1, i);
  const std::tuple<const char*, std::string, Bindungen, std::vector<int>, int, bool, std::string> faelle[] = {
      {"die Marke trennt ab", "000000", kette, {1}, 2, true, "001111"},
      {"ein markierter Start bleibt, loescht aber die Marken", "000000", kette, {1, 2}, 2, false, "000111"},
      {"um den Ring durch Atom 0", "000000", ring, {3}, 4, true, "111011"},
      // bonds across the molecules, once under each molecule's number
      {"in Molekuel 0", "00011", quer, {}, 0, true, "11100"},
      {"in Molekuel 1", "00011", quer, {}, 3, true, "00011"},
      // depth first in bond table order, without a depth limit: bonded from the far end
      {"1000 Atome", std::string(MAX_ATOME, '0'), rueckwaerts, {}, 0, true, std::string(MAX_ATOME, '1')}};
  for (const auto& [was, mol, bindungen, marken, start, startflag, soll] : faelle) {
    auto schieben = [start = start, startflag = startflag] { atome_nachschieben(start, Vektor3d(0, 1, 0), startflag); };
    EXPECT_EQ(nachgeschoben(mol, bindungen, marken, schieben), soll) << was;
  }
  Quaternion q;
  q.drehung_definieren(Vektor3d(0, 0, 1), M_PI / 2);
  EXPECT_EQ(nachgeschoben("000000", kette, {1}, [&] { atome_nachschieben(2, atomliste[1].p, q, true); }), "001234");
  erwarte_nah(atomliste[5].p, 1, 4, 0);
}
