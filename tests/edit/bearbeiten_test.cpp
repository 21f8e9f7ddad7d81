// The editing commands with their dialogs answered as a user would, measured on the positions.
#include "bearbeiten.h"

#include <algorithm>
#include <cstring>

#include "edit/abstand.h"
#include "edit/atome.h"
#include "edit/programm.h"
#include "edit/winkel.h"
#include "model/aendern.h"
#include "model/zustand.h"
#include "relax/epaare.h"
#include "ui/menu.h"

namespace {

// A bond angle or a dihedral typed: the branch behind it turns as one piece, one undo record each.
TEST_F(Bearbeiten, WinkelUndDiederwinkel) {
  struct Fall {
    const char* name;
    double phi;  // the dihedral at the start
    std::vector<int> auswahl;
    std::vector<Antwort> dialog;
    double soll;  // the bond angle or the signed dihedral afterwards
    const char* bewegt;
  };
  const Fall faelle[] = {
      {"Winkel, Rest mit", 60, {4, 1, 2}, {{"Winkel 4-1-2 (H-C-C)=90.0", {"120"}}}, 120, "02356"},
      {"Winkel, nur Atom 3", 60, {4, 1, 2}, {{"", {"120", "n"}}}, 120, "2"},
      {"Winkel ab Atom 2", 60, {4, 1, 2}, {{"", {"120", "", "2"}}}, 120, "2356"},
      {"Winkel abgebrochen", 60, {4, 1, 2}, {{"", {"120"}, -1}}, 90, ""},
      {"Winkel bestaetigt wie gezeigt", 60, {4, 1, 2}, {{""}}, 90, ""},
      {"Dieder trans", 60, {4, 1, 2, 3}, {{"Diederwinkel 4-1-2-3 (H-C-C-C)=60.0", {"180"}}}, 180, "356"},
      {"Dieder durch 0", 60, {4, 1, 2, 3}, {{"", {"-60"}}}, -60, "356"},
      {"Dieder nur Atom 4", 60, {4, 1, 2, 3}, {{"", {"100", "N"}}}, 100, "3"},
      {"Dieder unter 1 Grad", 0.5, {4, 1, 2, 3}, {{"", {"10"}}}, 10, "356"},
      {"Dieder ueber 179 Grad", -179.5, {4, 1, 2, 3}, {{"", {"170"}}}, -170, "356"},
      {"ab Atom ausserhalb", 60, {4, 1, 2}, {{"", {"120", "", "8"}}, {"falsche Atom-Nummer (ab Atom)"}}, 90, ""},
      {"keine Zahl", 60, {4, 1, 2}, {{"", {"nan"}}, {"ungueltiger Winkel"}}, 90, ""},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.name);
    bauen(f.phi);
    waehlen(f.auswahl);
    auto gestalt = [] { return abstand(2, 3) + abstand(3, 6) + abstand(2, 5) + abstand(1, 4) + winkel(1, 2, 3); };
    double form = gestalt();
    bedienen(m_atom_aendern, f.dialog);
    Vektor3d c3 = atomliste[3].p - ursprung;
    double wert = f.auswahl.size() == 3 ? winkel(4, 1, 2) : std::atan2(c3.z, c3.y) * 180 / M_PI;
    EXPECT_NEAR(std::remainder(wert - f.soll, 360), 0, 1e-9);
    EXPECT_EQ(bewegt(), f.bewegt);
    if (std::strlen(f.bewegt) > 1) {
      EXPECT_NEAR(gestalt(), form, 1e-9) << "the branch turned as one piece";
    }
    EXPECT_EQ(nsel, static_cast<int>(f.auswahl.size()));
    EXPECT_EQ(undo_anz, *f.bewegt ? 1 : 0);
    rueckgaengig();
  }
  bauen();
  waehlen({4, 1, 2, 3});
  EXPECT_EQ(bedienen(m_winkel, {{"", {"180"}}}), "Diederwinkel aendern von 60.000000 nach 180.000000\n");
  bauen(60, {-1, 0, 0});  // 180 degrees: no axis to turn about
  waehlen({4, 1, 2});
  bedienen(m_winkel, {{"Atome auf einer Linie oder am selben Ort:\nWinkel nicht aenderbar"}});
  EXPECT_EQ(bewegt(), "");
  EXPECT_EQ(undo_anz, 0);
}

// Element and position of one atom, chosen by selection or by number; refused names change nothing.
TEST_F(Bearbeiten, AtomDialog) {
  struct Fall {
    const char* name;
    std::vector<int> auswahl;
    std::vector<Antwort> dialog;
    const char* element;  // atom 1's afterwards, its radius and position
    double ra;
    Vektor3d p;
  };
  const Vektor3d c1(0.5, -0.25, 2);
  const Fall faelle[] = {
      {"nach Nummer",
       {},
       {{"Atom-Nummer (0 - 7)", {"1"}}, {"Atom 1 (in Molekuel 0)=C", {"N", "1", "2", "-3"}}},
       "N",
       0.549,
       {1, 2, -3}},
      {"klein", {1}, {{"", {"cl"}}, {" ungueltiges Atom 'cl' \n nichts veraendert"}}, "C", 0.772, c1},
      {"Nummer zu gross", {}, {{"", {"8"}}, {"falsche Atom-Nummer"}}, "C", 0.772, c1},
      {"abgebrochen", {1}, {{"", {"O"}, 0}}, "C", 0.772, c1},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.name);
    bauen();
    waehlen(f.auswahl);
    bedienen(m_atom_aendern, f.dialog);
    const Atomlist& a = atomliste[1];
    EXPECT_STREQ(a.name, f.element);
    EXPECT_DOUBLE_EQ(a.ra, f.ra);
    erwarte_nah(a.p, f.p);
    EXPECT_EQ(nsel, f.dialog.back().knopf ? 0 : 1) << "cleared once confirmed";
    rueckgaengig();
    EXPECT_STREQ(a.name, "C");
  }
}

// Order and length of a bond, chosen by two atoms or by its number; undo takes back order and distance.
TEST_F(Bearbeiten, BindungsDialog) {
  const char* alle = "0-1:1 1-2:1 2-3:1 1-4:1 2-5:1 3-6:1 ";
  struct Fall {
    const char* name;
    std::vector<int> auswahl;
    std::vector<Antwort> dialog;
    double abstand12;
    const char* bewegt;
    const char* bindungen;
    const char* nach_undo = nullptr;  // the bonds after Undo when it took an order back, else as bindungen
  };
  const Fall faelle[] = {
      {"Ordnung",
       {1, 2},
       {{"Abstand C1 - C2=1.000000|Bindung 1- bis 3-fach=1.0|Rest nachschieben?=ja", {"", "2"}}},
       1,
       "",
       "0-1:1 1-2:2 2-3:1 1-4:1 2-5:1 3-6:1 ",
       alle},
      {"Abstand, Rest mit", {1, 2}, {{"", {"0.8"}}}, 0.8, "2356", alle},
      {"Abstand allein", {1, 2}, {{"", {"1.3", "3", "n"}}}, 1.3, "2", "0-1:1 1-2:3 2-3:1 1-4:1 2-5:1 3-6:1 ", alle},
      {"umgekehrt", {2, 1}, {{"", {"0.5"}}}, 0.5, "014", "0-1:1 2-1:1 2-3:1 1-4:1 2-5:1 3-6:1 "},
      {"geloescht", {2, 1}, {{"", {"", "0"}}}, 1, "", "0-1:1 2-3:1 1-4:1 2-5:1 3-6:1 "},
      {"neu", {0, 3}, {{"Bindung 1- bis 3-fach=0.0", {"", "1"}}}, 1, "", "0-1:1 1-2:1 2-3:1 1-4:1 2-5:1 3-6:1 0-3:1 "},
      {"zwei Molekuele", {0, 7}, {{"", {"", "1"}}, {"verschiedener Molekuele"}}, 1, "", alle},
      {"nach Nummer",
       {},
       {{"Bindungs-Nummer oder"}, {"Bindungs-Nummer (0 - 5)", {"1"}}, {"Abstand C1 - C2", {}, 0}},
       1,
       "",
       alle},
      {"Nummer zu gross", {}, {{""}, {"", {"6"}}, {"falsche Bindungs-Nummer"}}, 1, "", alle},
      {"Atome gleich", {}, {{"", {}, 0}, {"Atom-Nr 1", {"2", "2"}}, {"zweimal dasselbe Atom"}}, 1, "", alle},
      {"Atom zu gross", {}, {{"", {}, 0}, {"", {"2", "8"}}, {"falsche Atom-Nummer"}}, 1, "", alle},
      {"Abstand negativ", {1, 2}, {{"", {"-1"}}, {"ungueltiger Abstand"}}, 1, "", alle},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.name);
    bauen();
    waehlen(f.auswahl);
    bedienen(m_bindung, f.dialog);
    EXPECT_NEAR(abstand(1, 2), f.abstand12, 1e-9);
    EXPECT_EQ(bewegt(), f.bewegt);
    EXPECT_EQ(bindungen(), f.bindungen);
    EXPECT_EQ(molekuel[0].nbonds, anz_bonds);
    rueckgaengig();  // takes back order and distance, not the direction, nor a new or deleted bond
    EXPECT_EQ(bindungen(), f.nach_undo ? f.nach_undo : f.bindungen);
    speichern_und_lesen();
  }
  bauen();  // a full bond table: no new bond, the distance changes all the same
  anz_bonds = MAX_BONDS;
  waehlen({0, 3});
  bedienen(m_bindung, {{"", {"2", "1"}}, {"Zu viele Bindungen\nkeine neue angelegt."}});
  EXPECT_NEAR(abstand(0, 3), 2, 1e-9);
  anz_bonds = 6;
  rueckgaengig();
  bauen();  // two atoms at one place: the order does not change either
  atomliste[2].p = atomliste[1].p;
  waehlen({1, 2});
  bedienen(m_bindung, {{"", {"1.5", "2"}}, {"Atome am selben Ort:\nnichts veraendert"}});
  EXPECT_EQ(bindungen(), alle);
}

// "a" sets a bond to its standard length, moving the second atom's side; a second time it is right already.
// Of eleven changes Undo takes back the last ten.
TEST_F(Bearbeiten, AbstandAutomatischUndZehnSchritteZurueck) {
  for (auto [a, b, wer] : {std::tuple{1, 2, "2356"}, {2, 1, "014"}}) {
    bauen();
    waehlen({a, b});
    EXPECT_EQ(ausgabe_von(bindungslaenge_automatisch), "Abstand korrigiert auf 1.540000\n");
    EXPECT_EQ(ausgabe_von(bindungslaenge_automatisch), "Abstand stimmt schon\n");
    EXPECT_NEAR(abstand(1, 2), 1.54, 1e-9);
    EXPECT_EQ(bewegt(), wer);
  }
  for (int i = 1; i <= 11; i++) bedienen(m_bindung, {{"", {std::to_string(1 + i / 10.0)}}});
  for (int i = 0; i < 10; i++) bedienen(m_undo);
  EXPECT_NEAR(abstand(1, 2), 1.1, 1e-9);
  bedienen(m_undo, {{"Undo-Buffer empty"}});
}

// Lone pairs and deleted atoms renumber the tables; the undo records follow.
TEST_F(Bearbeiten, UndoFolgtDemLoeschen) {
  bauen();
  Molekuel& m = molekuel[0];
  anz_molek = 1, m.maxatoms = 9, m.maxbonds = 8;
  m.addatom("e", {2, 1, 1}), m.addatom("Br", {1, 1, 1}), m.addbond(7, 8, 1), m.addbond(3, 8, 1);
  anz_atome = 9, anz_bonds = 8;
  start = positionen();
  waehlen({2, 3, 8});
  bedienen(m_atom_aendern, {{"", {"100", "n"}}});  // turns Br alone
  auswahl_aufheben(), waehlen({3, 8});
  bedienen(m_bindung, {{"", {"", "2"}}});  // bond 7, C3-Br
  auswahl_aufheben(), waehlen({8});
  bedienen(m_atom_aendern, {{"", {"I"}}});
  waehlen({5});
  bedienen(m_atom_aendern, {{"", {"F"}}});
  EXPECT_EQ(freie_elektronen_loeschen(8), 7);  // the e goes, the last atom takes its number
  EXPECT_EQ(alle_freie_elektronen_loeschen(7), 7);
  atom_loeschen(5);
  EXPECT_STREQ(atomliste[5].name, "I");
  EXPECT_EQ(anz_atome, 7);
  EXPECT_EQ(bindungen(), "0-1:1 1-2:1 2-3:1 1-4:1 3-6:1 3-5:2 ");
  EXPECT_EQ(undo_anz, 3);  // the record of the deleted atom is gone
  for (int i = 0; i < 3; i++) bedienen(m_undo);
  EXPECT_STREQ(atomliste[5].name, "Br");
  EXPECT_EQ(bindungen(), "0-1:1 1-2:1 2-3:1 1-4:1 3-6:1 3-5:1 ");
  erwarte_nah(atomliste[5].p, 1, 1, 1);  // Br back where it started, in the slot of H5
}

// Lone pairs go from older molecules too, and a molecule of nothing else goes with its lone pair;
// every molecule keeps one unbroken run of atom numbers.
TEST_F(Bearbeiten, ElektronenpaareUeberall) {
  tabellen_leeren();
  aus_text("molekuele=3\n3 2\n C 0 0 0\n e 0.5 0 0\n H -1 0 0\n0 1\n0 2\n1 0\n e 0 0 0\n2 1\n N 0 0 0\n H 1 0 0\n0 1\n",
           xyzeinlesen);
  waehlen({4});
  bedienen(m_atom_aendern, {{"", {"P"}}});  // N4 becomes P; the undo record follows it to N2
  EXPECT_EQ(alle_freie_elektronen_loeschen(4), 2);
  bedienen(m_undo);
  EXPECT_EQ(atome(), "C0 H0 N1 H1 ");
  EXPECT_EQ(molekuel[1].ia, 2);
  EXPECT_EQ(molekuel[1].natoms, 2);
  EXPECT_EQ(bindungen(), "0-1:1 2-3:1 ");
  speichern_und_lesen();
}

// The molecule that the camera commands move: the selected atom's, or the one typed; a wrong one or Cancel ends
// molecule edit mode.
TEST_F(Bearbeiten, MolekuelRotieren) {
  struct Fall {
    std::vector<int> auswahl;
    std::vector<Antwort> dialog;
    int edit_modus, aktives_molekuel;
  };
  for (const Fall& f : {Fall{{7}, {{"Molekuel-Nr: (0 - 1): =1"}}, 1, 1},
                        Fall{{}, {{"=0", {"7"}}, {" falsche Molekuel-Nr (7)\n Editmodus off"}}, 0, 5},
                        Fall{{}, {{"", {}, 0}, {"Abbruch - Editmodus off"}}, 0, 5}}) {
    bauen();
    waehlen(f.auswahl);
    edit_modus = 1, aktives_molekuel = 5;
    bedienen(m_molek_rot, f.dialog);
    EXPECT_EQ(edit_modus, f.edit_modus);
    EXPECT_EQ(aktives_molekuel, f.aktives_molekuel);
  }
}

// The help in a requester, of 21 lines; edit mode off; Exit, which stops the menu loop.
TEST(Programm, HilfeEditmodusUndEnde) {
  bedienen(m_hilfe, {{"    Hilfe\n    ----\n\nMaus mit linker Taste"}});
  EXPECT_EQ(std::count(hilfetext, hilfetext + std::strlen(hilfetext), '\n'), 20);
  edit_modus = 1;
  bedienen(m_edit_off);
  EXPECT_EQ(edit_modus, 0);
  EXPECT_EQ(exitflag, 0);
  bedienen(m_quit);
  EXPECT_EQ(exitflag, 1);
  EXPECT_EQ(menu.stopflag, 1);
}

}  // namespace
