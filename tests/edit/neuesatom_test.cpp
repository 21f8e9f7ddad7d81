// New atoms: the command with its dialog.
#include "edit/neuesatom.h"

#include "bearbeiten.h"

namespace {

// A new atom: its name, its distance to the anchor (along +x where the anchor has no bond), its bond;
// refused names, an anchor in an older molecule, full tables; the anchor followed past its lone pair.
TEST_F(Bearbeiten, NeuesAtom) {
  enum Vorher { nichts, leer, atome_voll, bindungen_voll, epaar };
  struct Fall {
    Vorher vorher;
    std::vector<int> auswahl;
    std::vector<Antwort> dialog;
    const char* ausgabe;
    int anker;         // the anchor's number afterwards
    const char* name;  // the new atom's ("": none added), its distance to the anchor, the bonds afterwards
    double abstand;
    std::string bindungen;
  };
  const std::string alle = "0-1:1 1-2:1 2-3:1 1-4:1 2-5:1 3-6:1 ";
  const Fall faelle[] = {
      {leer, {}, {{"|Neues Atom=C|Bindung=0.0", {"C", "2"}}}, "", 0, "C", 0, ""},
      {nichts, {}, {{"|Bindung=0.0", {"O"}}}, "", 7, "O", 2.9, alle},
      {nichts, {7}, {{"|Bindung=1.0", {"Cl"}}}, "", 7, "Cl", 1.74, alle + "7-8:1 "},
      {nichts, {7}, {{"", {"cl"}}}, "ungueltiges Atom\n", 7, "", 0, alle},
      {nichts, {7}, {{"", {"Abc"}}}, "ungueltiges Atom\n", 7, "", 0, alle},
      {nichts, {7}, {{"", {"O"}, 0}}, "", 7, "", 0, alle},
      {nichts, {7}, {{"", {"O", "nan"}}, {"ungueltige Zahl\nnichts veraendert"}}, "", 7, "", 0, alle},
      {nichts, {1}, {}, "Molekuel 0 bisher nicht veraenderbar,nur Molekuel 1\n", 7, "", 0, alle},
      {atome_voll, {7}, {}, "zu viele Atome\n", 7, "", 0, alle},
      {bindungen_voll, {7}, {{"", {"O"}}}, "zu viele Bindungen\n", 7, "O", 1.48, alle},
      {epaar, {9}, {{"", {"H"}}}, "pneu2 ist Variante mit weniger Konflikt\n", 8, "H", 1.04, alle + "7-8:1 8-9:1 "},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.ausgabe + std::string(f.name));
    bauen();
    if (f.vorher == leer) tabellen_leeren();
    if (f.vorher == epaar) {  // N7, e8, O9 in molecule 1: the e goes, and O, the last atom, becomes 8
      molekuel[1].maxatoms = 3, molekuel[1].maxbonds = 2, anz_atome = 10, anz_bonds = 8;
      molekuel[1].addatom("e", {5, 5, 6}), molekuel[1].addatom("O", {5, 6, 5});
      molekuel[1].addbond(7, 9, 1), molekuel[1].addbond(8, 9, 1);
    }
    waehlen(f.auswahl);
    if (f.vorher == atome_voll) anz_atome = MAX_ATOME;
    if (f.vorher == bindungen_voll) anz_bonds = MAX_BONDS;
    int atome = f.vorher == epaar ? anz_atome - 1 : anz_atome;  // the lone pair goes
    EXPECT_EQ(bedienen(m_neuesatom, f.dialog), f.ausgabe);
    if (f.vorher == bindungen_voll) anz_bonds = 6;
    EXPECT_EQ(anz_atome, *f.name ? atome + 1 : atome);
    EXPECT_EQ(bindungen(), f.bindungen);
    if (!*f.name) continue;
    int n = anz_atome - 1;
    EXPECT_STREQ(atomliste[n].name, f.name);
    EXPECT_NEAR(abstand(n, f.anker), f.abstand, 5e-4);
    if (f.vorher == nichts) {
      EXPECT_NEAR(atomliste[n].p.x - atomliste[7].p.x, abstand(n, 7), 1e-9) << "along +x";
    }
  }
}

}  // namespace
