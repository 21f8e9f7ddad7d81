// Keyboard, mouse and camera: what keys, clicks and drags change (camera, the active molecule in edit mode,
// drawing switches, picks, redraws), that a requester or the menu bar come first, and angle mode.
#include "view/eingabe.h"

#include <gtest/gtest.h>

#include "edit/programm.h"
#include "edit/undo.h"
#include "edit/winkel.h"
#include "model/tabellen.h"
#include "model/zustand.h"
#include "relax/shake.h"
#include "testhilfe.h"
#include "ui/dialoge.h"
#include "ui/fenster.h"
#include "ui/menu.h"
#include "ui/requester.h"
#include "view/kamera.h"
#include "view/szene.h"
#include "view/winkelmaus.h"

// Stand-ins for the window layer: picks and redraw requests are only recorded.
std::string klicks;
int neuzeichnungen = 0;
int atomklick(int x, int y) {
  klicks += (klicks.empty() ? "" : " ") + std::to_string(x) + "," + std::to_string(y);
  return anz_atome;
}
void neu_zeichnen() { neuzeichnungen++; }

static std::string text(Vektor3d v) {
  char s[64];
  auto r = [](double x) { return std::abs(x) < 5e-5 ? 0.0 : x; };  // no -0
  std::snprintf(s, sizeof s, "%.4g %.4g %.4g", r(v.x), r(v.y), r(v.z));
  return s;
}

// Starting from molecule 0 with its atom at (1, 1, 0) and active as at program start, molecule 1, the
// camera reset, all drawing switches on but the cross, no requester and no menu: what the events
// change, rounded to 4 digits, each changed item as "name value".
static std::string nach(const std::function<void()>& ereignisse) {
  tabellen_leeren();
  for (int m = anz_molek = 0; m < 2; m++, anz_molek++) {
    molekuel[m].init(m, 1, 0);
    Vektor3d p(1 - m, 1 - m, 0);
    molekuel[m].addatom("C", p);
  }
  kamera_reset();
  edit_modus = fadenkreuz = neuzeichnungen = 0, maus_knopf = -1;
  solidflag = ambientflag = cylinderflag = 1, kugelskal = 1;
  klicks.clear(), requester1.aktiv = false, menu.reset();
  std::string aus = ausgabe_von(ereignisse), s;
  auto feld = [&s](const char* name, const std::string& wert, const char* vorher) {
    if (wert != vorher) s += (s.empty() ? "" : " ") + (name + (" " + wert));
  };
  feld("eye", text(eye), "0 0 10"), feld("up", text(up), "0 1 0"), feld("cent", text(cent), "0 0 0");
  feld("atom", text(atomliste[0].p), "1 1 0"), feld("kugeln", std::to_string(kugelskal).substr(0, 4), "1.00");
  feld("schalter", std::to_string(fadenkreuz * 1000 + solidflag * 100 + ambientflag * 10 + cylinderflag), "111");
  feld("edit", std::to_string(edit_modus), "0"), feld("klicks", klicks, "");
  feld("knopf", std::to_string(maus_knopf), "-1"), feld("menu", std::to_string(menu.aktiv), "0");
  feld("neu", std::to_string(neuzeichnungen), "0"), feld("aus", aus, "");
  return s;
}

static void pruefen(const std::vector<std::tuple<const char*, std::function<void()>, std::string>>& faelle) {
  for (auto& [name, ereignisse, soll] : faelle) EXPECT_EQ(nach(ereignisse), soll) << name;
}

static void tasten(const char* s) {
  for (; *s; s++) key(*s, 5, 6);
}

// Press the left button at (100, 200) and release it (dx, dy) away.
static void klicken(int dx, int dy) { mausknopf(0, 0, 100, 200), mausknopf(0, 1, 100 + dx, 200 + dy); }

static void ziehen(int knopf, int x0, int y0, int x1, int y1) { mausknopf(knopf, 0, x0, y0), mausmotion(x1, y1); }

// Keys, and a requester or the menu bar before them.
TEST(Eingabe, Tasten) {
  pruefen({
      {"Kugeln kleiner", [] { tasten("kkK"); }, "kugeln 0.25 neu 3"},
      {"und wieder gross", [] { tasten("kkKK"); }, "neu 4"},
      {"Schalter", [] { tasten("FsTl"); }, "schalter 1000 neu 4"},
      {"Schalter zurueck", [] { tasten("Ff"); }, "neu 2"},
      {"ungebunden", [] { tasten("bz ~\x7f\xe4"); },
       "neu 6 aus key(c='B',x=5,y=6)\nkey(c='Z',x=5,y=6)\nkey(c=' ',x=5,y=6)\nkey(c='~',x=5,y=6)\n"
       "key(c=127=0x7F,x=5,y=6)\nkey(c=228=0xE4,x=5,y=6)\n"},
      {"a mit zwei Atomen", [] { atomliste[0].select(0), atomliste[1].select(1), tasten("a"); },
       "neu 1 aus keine Bindung zwischen Atom 0 und Atom 1\n"},
      {"a mit drei Atomen", [] { atomliste[0].select(0), atomliste[1].select(1), atomliste[0].select(0), tasten("a"); },
       "neu 1"},
      {"Entf mit zwei Atomen", [] { atomliste[0].select(0), atomliste[1].select(1), tasten("\x7f"); },
       "neu 1 aus key(c=127=0x7F,x=5,y=6)\n"},
      {"Entf mit einem Atom", [] { atomliste[1].select(1), tasten("\x7f"); },
       "neu 1 aus Letztes Atom in Molekuel 1, nicht geloescht\n"},
      {"ESC: erst die Auswahl, dann der Editmodus",
       [] {
         edit_modus = 1, atomliste[1].select(1), tasten("\x1b");
         std::printf("%d%d|", nsel, atomliste[1].selectflag), tasten("\x1b\x1b");
       },
       "neu 3 aus 00|edit off\n"},
      {"Hilfe", [] { tasten("?h"); }, "neu 2 aus \n" + std::string(hilfetext) + "\n\n" + hilfetext + "\n"},
      {"Sondertaste ungebunden", [] { spezial(1, 7, 8); }, "neu 1 aus spezial(key=1,x=7,y=8)\n"},
      {"links", [] { spezial(100, 0, 0); }, "eye 0.1745 0 9.998 neu 1"},
      {"rechts", [] { spezial(102, 0, 0); }, "eye -0.1745 0 9.998 neu 1"},
      {"hoch", [] { spezial(101, 0, 0); }, "eye 0 -0.1745 9.998 up 0 0.9998 0.01745 neu 1"},
      {"runter", [] { spezial(103, 0, 0); }, "eye 0 0.1745 9.998 up 0 0.9998 -0.01745 neu 1"},
      {"Bild hoch", [] { spezial(104, 0, 0); }, "up -0.01745 0.9998 0 neu 1"},
      {"Bild runter", [] { spezial(105, 0, 0); }, "up 0.01745 0.9998 0 neu 1"},
      {"Pos1",
       [] {
         for (int t : {100, 101, 104, 106}) spezial(t, 0, 0);
       },
       "neu 4"},
      // in edit mode the keys turn the active molecule, and Home is bound only while Shift is held
      {"Editmodus Pfeil", [] { edit_modus = 1, cent = Vektor3d(0, 1, 0), spezial(100, 0, 0); },
       "cent 0 1 0 atom 0.9998 1 0.01745 edit 1 neu 1"},
      {"Editmodus Bild hoch", [] { edit_modus = 1, spezial(104, 0, 0); }, "atom 1.017 0.9824 0 edit 1 neu 1"},
      {"Editmodus Pos1", [] { edit_modus = 1, eye = Vektor3d(3, 0, 3), spezial(106, 1, 2); },
       "eye 3 0 3 edit 1 neu 1 aus spezial(key=106,x=1,y=2)\n"},
      {"Umschalt und Pos1", [] { edit_modus = 1, eye = Vektor3d(3, 0, 3), spezial(112, 0, 0), spezial(106, 0, 0); },
       "edit 257 neu 2"},
      {"Umschalt los", [] { edit_modus = 1, spezial(112, 0, 0), spezial(113, 0, 0); }, "edit 1 neu 2"},
      {"Requester",
       [] {
         requester1.aktiv = true, requester1.typ = 1;
         tasten("k"), spezial(100, 0, 0), mausknopf(3, 0, 0, 0), mausmotion2(10, 10);
       },
       "neu 4"},
      {"ohne Requester", [] { mausmotion2(10, 10); }, ""},
      {"Menuleiste", [] { menu.anzahl = 0, mausknopf(0, 0, 5, 10), tasten("k"); }, "menu 1 neu 2"},
      {"unter der Leiste", [] { mausknopf(0, 0, 5, 30); }, "knopf 0 neu 1"},
  });
}

// A release within a pixel of the press picks, with the left button only.
TEST(Eingabe, Maus) {
  pruefen({
      {"ein Pixel", [] { klicken(1, -1), klicken(-1, 1); }, "klicks 101,199 99,201 neu 4"},
      {"zwei Pixel", [] { klicken(2, 0), klicken(-2, 0), klicken(0, 2), klicken(0, -2); }, "neu 8"},
      {"rechts", [] { mausknopf(2, 0, 100, 200), mausknopf(2, 1, 100, 200); }, "neu 2"},
      // the wheel moves by 0.5, not closer once nearer than 1, not farther once 100 away
      {"Rad hin", [] { mausknopf(3, 0, 0, 0), mausknopf(3, 1, 0, 0); }, "eye 0 0 9.5 neu 2"},
      {"Rad weg", [] { mausknopf(4, 0, 0, 0), mausknopf(4, 0, 0, 0); }, "eye 0 0 11 neu 2"},
      {"Rad ganz nah", [] { eye = Vektor3d(0, 0, 1.2), mausknopf(3, 0, 0, 0), mausknopf(3, 0, 0, 0); },
       "eye 0 0 0.7 neu 2"},
      {"Rad ganz fern", [] { eye = Vektor3d(0, 0, 99.9), mausknopf(4, 0, 0, 0), mausknopf(4, 0, 0, 0); },
       "eye 0 0 100.4 neu 2"},
      // left turns against the mouse, one degree per step of at least 2 pixels; the middle button
      // rolls along a circle about the window centre (600, 450); the right one shifts from 5 pixels on
      {"links rechts", [] { ziehen(0, 100, 100, 102, 100); }, "eye -0.1745 0 9.998 knopf 0 neu 2"},
      {"links links", [] { ziehen(0, 100, 100, 98, 100); }, "eye 0.1745 0 9.998 knopf 0 neu 2"},
      {"links runter", [] { ziehen(0, 100, 100, 100, 102); }, "eye 0 0.1745 9.998 up 0 0.9998 -0.01745 knopf 0 neu 2"},
      {"links hoch", [] { ziehen(0, 100, 100, 100, 98); }, "eye 0 -0.1745 9.998 up 0 0.9998 0.01745 knopf 0 neu 2"},
      {"Pixel summieren sich, weit ist ein Grad, loslassen",
       [] {
         ziehen(0, 100, 100, 101, 100);
         for (int x : {102, 150, 151}) mausmotion(x, 100);
         mausknopf(0, 1, 151, 100), mausmotion(200, 200);
       },
       "eye -0.349 0 9.994 neu 7"},
      {"Mitte oben rechts", [] { ziehen(1, 100, 100, 102, 100); }, "up -0.01745 0.9998 0 knopf 1 neu 2"},
      {"Mitte unten rechts", [] { ziehen(1, 100, 800, 102, 800); }, "up 0.01745 0.9998 0 knopf 1 neu 2"},
      {"Mitte links runter", [] { ziehen(1, 100, 100, 100, 102); }, "up 0.01745 0.9998 0 knopf 1 neu 2"},
      {"Mitte rechts runter", [] { ziehen(1, 1000, 100, 1000, 102); }, "up -0.01745 0.9998 0 knopf 1 neu 2"},
      {"rechts 4 Pixel", [] { ziehen(2, 100, 100, 104, 100); }, "knopf 2 neu 2"},
      {"rechts schiebt", [] { ziehen(2, 100, 100, 110, 100), mausmotion(110, 95); },
       "eye -0.1 -0.05 10 cent -0.1 -0.05 0 knopf 2 neu 3"},
      // in edit mode the active molecule moves instead, the camera again while Shift is held
      {"Editmodus schiebt", [] { edit_modus = 1, ziehen(2, 100, 100, 110, 100); }, "atom 1.1 1 0 edit 1 knopf 2 neu 2"},
      {"Editmodus mit Umschalt", [] { edit_modus = 257, ziehen(2, 100, 100, 110, 100); },
       "eye -0.1 0 10 cent -0.1 0 0 edit 257 knopf 2 neu 2"},
  });
}

// Angle mode: drags of the left or middle button turn the selected angle in half-degree steps,
// one undo record per drag, which takes the atoms back.
namespace {
// A0-B1-C2-D3 with E4 on B1 and F5 on C2: the angle 0-1-2 is w degrees, the dihedral 0-1-2-3 is 90.
void bauen(double w) {
  tabellen_leeren();
  undo_anz = 0;
  Vektor3d c(std::cos(w * M_PI / 180), std::sin(w * M_PI / 180), 0);
  Vektor3d p[] = {{1, 0, 0}, {}, c, c + Vektor3d(0, 0, 1), {-0.6, -0.3, -0.5}, c + Vektor3d(0.5, 0.5, -0.5)};
  molekuel[0].init(anz_molek++, 6, 5);
  for (Vektor3d& q : p) molekuel[0].addatom("C", q);
  for (auto [a, b] : {std::pair{0, 1}, {1, 2}, {2, 3}, {1, 4}, {2, 5}}) molekuel[0].addbond(a, b, 1);
}

double grad(int n) {
  Atomlist* a = atomliste;
  return (n == 3 ? vektorwinkel2(a[0].p - a[1].p, a[2].p - a[1].p) : diederwinkel(a, a + 1, a + 2, a + 3)) * 180 / M_PI;
}

TEST(Winkelmaus, Ziehen) {
  // angle mode, atoms selected, the angle at the start, the button, where the pointer goes from the press; the
  // angle afterwards, the turn the undo record holds (degrees), the atoms moved
  const std::tuple<const char*, int, std::vector<int>, double, int, std::vector<Intvektor>, double, double, const char*>
      faelle[] = {
          {"2 px rechts", 1, {0, 1, 2}, 104.5, 0, {{2, 0}}, 105, 0.5, "235"},
          {"und zurueck", 1, {0, 1, 2}, 104.5, 0, {{2, 0}, {1, 0}, {0, 0}}, 104.5, 0, ""},
          {"Grenze 30 Grad", 1, {0, 1, 2}, 31, 0, {{-2, 0}, {-4, 0}, {-6, 0}, {-4, 0}}, 30.5, -0.5, "235"},
          {"von 20 Grad auf 30", 1, {0, 1, 2}, 20, 0, {{-2, 0}}, 30, 10, "235"},
          {"durch 180 Grad", 1, {0, 1, 2}, 179.8, 0, {{0, -2}, {0, -4}}, 179.2, 1, "235"},
          {"N", 2, {0, 1, 2}, 104.5, 0, {{2, 0}}, 105, 0.5, "2345"},
          {"mittlerer Knopf", 1, {0, 1, 2}, 104.5, 1, {{2, 0}}, 104, -0.5, "235"},
          {"Gleichstand geht nach y", 1, {0, 1, 2}, 104.5, 0, {{2, 2}}, 104, -0.5, "235"},
          {"unter 2 Pixeln", 1, {0, 1, 2}, 104.5, 0, {{1, 1}}, 104.5, 0, ""},
          {"Dieder", 1, {0, 1, 2, 3}, 104.5, 0, {{2, 0}}, 90.5, -0.5, "3"},
          {"Dieder N", 2, {0, 1, 2, 3}, 104.5, 0, {{0, 2}, {0, 4}}, 89, 1, "35"},
          {"zwei Atome", 1, {0, 1}, 104.5, 0, {{2, 0}}, 104.5, 0, ""},
      };
  for (const auto& [name, modus, auswahl, anfang, knopf, wege, soll, gebucht, wer] : faelle) {
    SCOPED_TRACE(name);
    bauen(anfang);
    for (int a : auswahl) atomliste[a].select(a);
    std::vector<Vektor3d> start = positionen();
    winkelmausflag = modus;
    mausknopf(knopf, 0, 300, 300);
    for (Intvektor w : wege) mausmotion(300 + w.x, 300 + w.y);
    mausknopf(knopf, 1, 300, 300);
    EXPECT_EQ(bewegt(start), wer);
    EXPECT_NEAR(grad(auswahl.size() == 4 ? 4 : 3), soll, 1e-9);
    EXPECT_NEAR(undo_anz ? undoliste[0].abstand * 180 / M_PI : 0, gebucht, 1e-9);
    Intvektor w = wege[0];
    EXPECT_EQ(undo_anz * 10 + winkelmausflag, auswahl.size() > 2 ? (w.x * w.x + w.y * w.y >= 4) * 10 + modus : 0);
    bedienen(m_undo, undo_anz ? std::vector<Antwort>{} : std::vector<Antwort>{{"Undo-Buffer empty"}});
    EXPECT_EQ(bewegt(start), "");
  }
}

// M and N switch angle mode on with more than two atoms selected; ESC clears the selection and angle
// mode, then stops the relaxation, then leaves molecule edit mode.
TEST(Winkelmaus, TastenUndEscape) {
  bauen(100);
  std::string modi;
  for (int a : {0, 1, 2}) {
    atomliste[a].select(a);
    for (char c : {'m', 'N'}) key(c, 0, 0), modi += std::to_string(winkelmausflag);
  }
  EXPECT_EQ(modi, "000012");
  shakeflag = 1, edit_modus = 1;
  std::string aus = ausgabe_von([] { key(27, 0, 0); });
  EXPECT_EQ(aus + std::to_string(nsel * 100 + winkelmausflag * 10 + shakeflag), "1");
  EXPECT_EQ(ausgabe_von([] { key(27, 0, 0), key(27, 0, 0); }), "shake off\nedit off\n");
}

}  // namespace
