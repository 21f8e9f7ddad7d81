// New atoms: the command with its dialog.
#include "edit/neuesatom.h"

#include "bearbeiten.h"

namespace {

// A new atom: its name, its distance to the anchor (along +x where the anchor has no bond), its bond;
// refused names, an anchor in an older molecule, full tables; the anchor followed past its lone pair.
TEST_F(Bearbeiten, NeuesAtom) {
  enum Vorher { nichts, leer, atome_voll, bindungen_voll, epaar };
  // the set-up, atoms selected, dialogs, what is printed; the anchor's number afterwards, the new atom's name,
  // distance and the bonds after the first six ("" when none was added)
  const std::tuple<Vorher, std::vector<int>, std::vector<Antwort>, const char*, int, const char*> faelle[] = {
      {leer, {}, {{"|Neues Atom=C|Bindung=0.0", {"C", "2"}}}, "", 0, "C 0.000 "},
      {nichts, {}, {{"|Bindung=0.0", {"O"}}}, "", 7, "O 2.900 "},
      {nichts, {7}, {{"|Bindung=1.0", {"Cl"}}}, "", 7, "Cl 1.740 7-8:1 "},
      {nichts, {7}, {{"", {"cl"}}}, "ungueltiges Atom\n", 7, ""},
      {nichts, {7}, {{"", {"Abc"}}}, "ungueltiges Atom\n", 7, ""},
      {nichts, {7}, {{"", {"O"}, 0}}, "", 7, ""},
      {nichts, {7}, {{"", {"O", "nan"}}, {"ungueltige Zahl\nnichts veraendert"}}, "", 7, ""},
      {nichts, {1}, {}, "Molekuel 0 bisher nicht veraenderbar,nur Molekuel 1\n", 7, ""},
      {atome_voll, {7}, {}, "zu viele Atome\n", 7, ""},
      {bindungen_voll, {7}, {{"", {"O"}}}, "zu viele Bindungen\n", 7, "O 1.480 "},
      {epaar, {9}, {{"", {"H"}}}, "pneu2 ist Variante mit weniger Konflikt\n", 8, "H 1.040 7-8:1 8-9:1 "},
  };
  for (const auto& [vorher, auswahl, dialog, ausgabe, anker, soll] : faelle) {
    SCOPED_TRACE(dialog.empty() ? ausgabe : dialog[0].felder.empty() ? "" : dialog[0].felder[0]);
    bauen();
    Vektor3d e(5, 5, 6), o(5, 6, 5);
    if (vorher == leer) tabellen_leeren();
    if (vorher == epaar) {  // N7, e8, O9 in molecule 1: the e goes, and O, the last atom, becomes 8
      molekuel[1].maxatoms = 3, molekuel[1].maxbonds = 2, anz_atome = 10, anz_bonds = 8;
      molekuel[1].addatom("e", e), molekuel[1].addatom("O", o), molekuel[1].addbond(7, 9, 1),
          molekuel[1].addbond(8, 9, 1);
    }
    waehlen(auswahl);
    int atome = vorher == atome_voll ? anz_atome = MAX_ATOME : anz_atome - (vorher == epaar);
    if (vorher == bindungen_voll) anz_bonds = MAX_BONDS;
    EXPECT_EQ(bedienen(m_neuesatom, dialog), ausgabe);
    if (vorher == bindungen_voll) anz_bonds = 6;
    int n = anz_atome - 1;
    char neu[80] = "";
    if (anz_atome > atome)
      std::snprintf(neu, sizeof neu, "%s %.3f %s", atomliste[n].name, abstand(n, anker),
                    bindungen().c_str() + (n ? 36 : 0));
    EXPECT_EQ(neu, std::string(soll));
    if (*neu && vorher == nichts) {
      EXPECT_NEAR(atomliste[n].p.x - atomliste[7].p.x, abstand(n, 7), 1e-9);
    }
  }
}

}  // namespace
