// The editing commands, their dialogs answered as a user would, measured on the positions; undo; saving.
#include <gtest/gtest.h>
#include <sys/mount.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>

#include "edit/abstand.h"
#include "edit/atome.h"
#include "edit/datei.h"
#include "edit/neuesatom.h"
#include "edit/programm.h"
#include "edit/undo.h"
#include "edit/winkel.h"
#include "io/xyz.h"
#include "model/aendern.h"
#include "model/zustand.h"
#include "relax/epaare.h"
#include "testhilfe.h"
#include "ui/menu.h"

// H4-C1-C2-C3 (C1-C2 along x, C1-H4 along y, dihedral phi), H0 on C1, H5 on C2, H6 on C3; molecule 1 one N7.
struct Bearbeiten : testing::Test {
  const Vektor3d ursprung{0.5, -0.25, 2};
  const std::string alle = "0-1:1 1-2:1 2-3:1 1-4:1 2-5:1 3-6:1 ";  // the bonds as built
  std::vector<Vektor3d> start;

  void bauen(double phi = 60, Vektor3d h4 = {0, 1, 0}) {
    tabellen_leeren();
    undo_anz = 0;
    Vektor3d c3(1, std::cos(phi * M_PI / 180), std::sin(phi * M_PI / 180));
    Vektor3d p[] = {{-0.6, -0.3, -0.5}, {0, 0, 0}, {1, 0, 0}, c3, h4, {1.5, -0.5, -0.5}, c3 + Vektor3d(1, 0, 0)};
    molekuel[0].init(anz_molek++, 7, 6);
    for (int i = 0; i < 7; i++) molekuel[0].addatom(i && i < 4 ? "C" : "H", p[i] + ursprung);
    for (auto [a, b] : {std::pair{0, 1}, {1, 2}, {2, 3}, {1, 4}, {2, 5}, {3, 6}}) molekuel[0].addbond(a, b, 1);
    molekuel[1].init(anz_molek++, 1, 0);
    molekuel[1].addatom("N", {5, 5, 5});
    start = positionen();
  }
  void waehlen(std::vector<int> atome) {
    for (int a : atome) atomliste[a].select(a);
  }
  std::string bewegt() { return ::bewegt(start); }
  // Undo takes every atom back to where bauen put it.
  void rueckgaengig() {
    bedienen(m_undo, undo_anz ? std::vector<Antwort>{} : std::vector<Antwort>{{"Undo-Buffer empty\nnichts zu tun"}});
    EXPECT_EQ(bewegt(), "");
  }
  // A saved file holds every atom and bond of the tables.
  void speichern_und_lesen() {
    std::string vorher = bindungen(), datei;
    int atome = anz_atome;
    datei = geschrieben([](FILE* fp) { ausgabe_von([&] { alles_xyzspeichern(fp, "x", 0); }); });
    tabellen_leeren();
    aus_text(datei, xyzeinlesen);
    EXPECT_EQ(bindungen(), vorher);
    EXPECT_EQ(anz_atome, atome);
  }
};

// A bond angle or a dihedral typed: the branch behind it turns as one piece, one undo record each.
TEST_F(Bearbeiten, WinkelUndDiederwinkel) {
  struct Fall {
    const char* name;
    double phi;  // the dihedral at the start
    std::vector<int> auswahl;
    std::vector<Antwort> dialog;
    double soll;  // the bond angle or the signed dihedral afterwards
    const char* bewegt;
    Vektor3d h4 = {0, 1, 0};
  };
  const Fall faelle[] = {
      {"Winkel, Rest mit", 60, {4, 1, 2}, {{"Winkel 4-1-2 (H-C-C)=90.0", {"120"}}}, 120, "02356"},
      {"Winkel, nur Atom 3", 60, {4, 1, 2}, {{"", {"120", "n"}}}, 120, "2"},
      {"Winkel ab Atom 2", 60, {4, 1, 2}, {{"", {"120", "", "2"}}}, 120, "2356"},
      {"Winkel abgebrochen", 60, {4, 1, 2}, {{"", {"120"}, -1}}, 90, ""},
      {"Dieder trans", 60, {4, 1, 2, 3}, {{"Diederwinkel 4-1-2-3 (H-C-C-C)=60.0", {"180"}}}, 180, "356"},
      {"Dieder nur Atom 4", 60, {4, 1, 2, 3}, {{"", {"100", "N"}}}, 100, "3"},
      {"Dieder unter 1 Grad", 0.5, {4, 1, 2, 3}, {{"", {"10"}}}, 10, "356"},
      {"Dieder ueber 179 Grad", -179.5, {4, 1, 2, 3}, {{"", {"170"}}}, -170, "356"},
      {"ab Atom ausserhalb", 60, {4, 1, 2}, {{"", {"120", "", "8"}}, {"falsche Atom-Nummer (ab Atom)"}}, 90, ""},
      {"keine Zahl", 60, {4, 1, 2}, {{"", {"nan"}}, {"ungueltiger Winkel"}}, 90, ""},
      {"gestreckt", 60, {4, 1, 2}, {{"Atome auf einer Linie oder am selben Ort"}}, 180, "", {-1, 0, 0}},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.name);
    bauen(f.phi, f.h4);
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
}

// Element and position of one atom, chosen by selection or by number; refused names change nothing.
TEST_F(Bearbeiten, AtomDialog) {
  struct Fall {
    const char* name;
    std::vector<int> auswahl;
    std::vector<Antwort> dialog;
    const char* element;  // atom 1's afterwards, its radius and position
    double ra;
    Vektor3d p = {0.5, -0.25, 2};
  };
  const Fall faelle[] = {
      {"nach Nummer", {}, {{"Atom-Nummer (0 - 7)", {"1"}}, {"=C", {"N", "1", "2", "-3"}}}, "N", 0.549, {1, 2, -3}},
      {"klein", {1}, {{"", {"cl"}}, {" ungueltiges Atom 'cl' \n nichts veraendert"}}, "C", 0.772},
      {"Nummer zu gross", {}, {{"", {"8"}}, {"falsche Atom-Nummer"}}, "C", 0.772},
      {"abgebrochen", {1}, {{"", {"O"}, 0}}, "C", 0.772},
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

// Order and length of a bond, chosen by two atoms or by number; undo takes back order and distance, nothing else.
TEST_F(Bearbeiten, BindungsDialog) {
  struct Fall {
    const char* name;
    std::vector<int> auswahl;
    std::vector<Antwort> dialog;
    double abstand12;
    const char* bewegt;
    std::string bindungen, nach_undo = "";  // the bonds afterwards, and after Undo ("": as afterwards)
  };
  const Fall faelle[] = {
      {"Ordnung", {1, 2}, {{"", {"", "2"}}}, 1, "", "0-1:1 1-2:2 2-3:1 1-4:1 2-5:1 3-6:1 ", alle},
      {"Abstand, Rest mit", {1, 2}, {{"C2=1.000000|Bindung 1- bis 3-fach=1.0", {"0.8"}}}, 0.8, "2356", alle},
      {"Abstand allein", {1, 2}, {{"", {"1.3", "3", "n"}}}, 1.3, "2", "0-1:1 1-2:3 2-3:1 1-4:1 2-5:1 3-6:1 ", alle},
      {"umgekehrt", {2, 1}, {{"", {"0.5"}}}, 0.5, "014", "0-1:1 2-1:1 2-3:1 1-4:1 2-5:1 3-6:1 "},
      {"geloescht", {2, 1}, {{"", {"", "0"}}}, 1, "", "0-1:1 2-3:1 1-4:1 2-5:1 3-6:1 "},
      {"neu", {0, 3}, {{"Bindung 1- bis 3-fach=0.0", {"", "1"}}}, 1, "", alle + "0-3:1 "},
      {"zwei Molekuele", {0, 7}, {{"", {"", "1"}}, {"verschiedener Molekuele"}}, 1, "", alle},
      {"nach Nummer", {}, {{"Bindungs-Nummer oder"}, {"(0 - 5)", {"1"}}, {"Abstand C1 - C2", {}, 0}}, 1, "", alle},
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
    rueckgaengig();
    EXPECT_EQ(bindungen(), f.nach_undo.empty() ? f.bindungen : f.nach_undo);
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

// "a" sets a bond to its standard length, moving the second atom's side; Undo takes back the last ten changes.
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
  erwarte_nah(atomliste[5].p, {1, 1, 1});  // Br back where it started, in the slot of H5
}

// Lone pairs go from older molecules too, a molecule of just one with it; each molecule's atoms stay one run.
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

// The molecule the camera commands move: the selected atom's, or the one typed; a wrong one or Cancel: edit mode off.
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

// The help in a requester; edit mode off; Exit, which stops the menu loop.
TEST(Programm, HilfeEditmodusUndEnde) {
  bedienen(m_hilfe, {{"    Hilfe\n    ----\n\nMaus mit linker Taste"}});
  edit_modus = 1;
  bedienen(m_edit_off);
  EXPECT_EQ(edit_modus, 0);
  EXPECT_EQ(exitflag, 0);
  bedienen(m_quit);
  EXPECT_EQ(exitflag, 1);
  EXPECT_EQ(menu.stopflag, 1);
}

// A new atom beside its anchor (along +x when alone), its bond; what is refused; the anchor past its lone pair.
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

namespace fs = std::filesystem;

struct Datei : Bearbeiten {
  Arbeitsverzeichnis hier;
};

// The files of a directory, with their texts.
static std::map<std::string, std::string> dateien(const std::string& verzeichnis = ".") {
  std::map<std::string, std::string> d;
  for (auto& e : fs::directory_iterator(verzeichnis)) {
    std::ifstream datei(e.path());
    d[e.path().filename()] = std::string(std::istreambuf_iterator<char>(datei), {});
  }
  return d;
}

// What is saved (one, all as one, in blocks), under which name; at most one new file, no other file changes.
TEST_F(Datei, Speichern) {
  struct Fall {
    bool zwei;            // both molecules, or only the first
    const char* besetzt;  // a file there before
    std::vector<Antwort> dialog;
    const char *datei, *kopf;  // the new file ("": none) and its first line
  };
  const char *eins = "7  6", *alles = "8  6", *bloecke = "molekuele=2  ;Anzahl Molekuele in dieser Datei";
  const Fall faelle[] = {
      {false, "", {{"Speichere Molekuel in xyz-Datei=default.xyz"}}, "default.xyz", eins},
      {false, "default1.xyz", {{"=default1.xyz"}}, "default2.xyz", eins},
      {false, "", {{"=default3.xyz", {}, 0}}, "", ""},
      {true, "", {{"Was soll gespeichert werden?"}, {"Alles als einzelnes"}, {"=default3.xyz", {"a"}}}, "a", alles},
      {true, "", {{""}, {"", {}, 0}, {"Speichere alle Molekuele in xyz-Datei=a", {"b"}}}, "b", bloecke},
      {true, "", {{""}, {"", {}, -1}, {"", {"c"}}}, "c", bloecke},
      {true, "", {{"", {}, 0}, {"Molekuel-Nr: (0 - 1):=0", {"*"}}, {"Speichere alle", {"d"}}}, "d", bloecke},
      {true, "", {{"", {}, 0}, {"", {"1"}}, {"", {"e"}}}, "e", "1  0"},
      {true, "", {{"", {}, 0}, {"", {"5"}}, {"ungueltige Molekuel-Nr: 5"}}, "", ""},
      {true, "", {{"", {}, -1}}, "", ""},
      {false, "", {{"=e", {"a"}}, {"Datei \"a\" schon vorhanden.\nNichts gespeichert.\n"}}, "", ""},
      {false, "", {{"=a", {"default.xyz"}}}, "default4.xyz", eins},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.dialog[0].zeigt + f.besetzt);
    bauen();
    if (!f.zwei) anz_molek = 1, anz_atome = 7;
    if (*f.besetzt) std::ofstream(f.besetzt) << "1 0\nN 0 0 0\n";
    auto vorher = dateien();
    std::string ausgabe = bedienen(m_save_file, f.dialog);
    auto nachher = dateien();
    for (auto& [name, text] : vorher) EXPECT_EQ(nachher.extract(name).mapped(), text);
    EXPECT_EQ(nachher.size(), *f.datei ? 1u : 0u);
    EXPECT_EQ(nachher[f.datei].substr(0, nachher[f.datei].find('\n')), f.kopf);
    std::string meldung = *f.datei ? "\"" + std::string(f.datei) + "\" gespeichert." : "gespeichert.";
    EXPECT_EQ(ausgabe.find(meldung) != std::string::npos, *f.datei != 0);
  }
}

// A full disk and a read-only one: the requester says so, nothing is reported saved, no file is left.
TEST_F(Datei, SpeichernScheitert) {
  for (unsigned long art : {0ul, static_cast<unsigned long>(MS_RDONLY)}) {
    SCOPED_TRACE(art);
    fs::create_directory("platte");
    if (mount("tmpfs", "platte", "tmpfs", art, "size=4k") != 0) GTEST_SKIP() << "kein tmpfs: " << std::strerror(errno);
    if (!art) std::ofstream("platte/voll") << std::string(4096, 'x');
    auto vorher = dateien("platte");
    bauen();
    std::string ausgabe = bedienen(
        m_save_file,
        {{"", {}, 0}, {"", {"*"}}, {"", {"platte/x"}}, {"kann \"platte/x\" nicht erstellen.\nNichts gespeichert.\n"}});
    EXPECT_EQ(ausgabe.find("gespeichert."), std::string::npos);
    EXPECT_EQ(dateien("platte"), vorher);
    umount("platte");
  }
}

// "Open File..." reads quil's own text under any name, whatever its first line; a read that adds no atom says so.
TEST_F(Datei, OeffnenLiestEigenenText) {
  for (const char* text : {"; Wasser\n1 0\n O 0 0 1\n", "Titel\nKommentar\nmolekuele=1\n1 0\n O 0 0 1\n",
                           "  1 0\n O 0 0 1\n", "TITLE Wasser\n1 0\n O 0 0 1\n"}) {
    tabellen_leeren();
    std::ofstream("wasser.txt") << text;
    bedienen(m_open_file, {{"", {"wasser.txt"}}});
    EXPECT_EQ(atome(), "O0 ") << text;
    EXPECT_EQ(atomliste[0].p.z, -1) << text;  // turned, as structure text is
  }
  std::ofstream("wasser.txt") << "HEADER\nEND\n";
  bedienen(m_open_file, {{"", {"wasser.txt"}}, {"keine Atome in \"wasser.txt\" gefunden\n"}});
}
