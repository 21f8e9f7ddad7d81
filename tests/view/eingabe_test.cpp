// What keys, clicks and drags change (camera, active molecule, switches, picks, redraws), and angle mode.
#include "view/eingabe.h"

#include <gtest/gtest.h>

#include "edit/programm.h"
#include "edit/undo.h"
#include "edit/winkel.h"
#include "model/tabellen.h"
#include "model/zustand.h"
#include "relax/shake.h"
#include "testhilfe.h"
#include "ui/menu.h"
#include "ui/requester.h"
#include "view/kamera.h"
#include "view/szene.h"

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

// What the events change ("name value", 4 digits) from molecules 0 (atom at (1, 1, 0)) and 1, switches on but F.
static std::string nach(const std::function<void()>& ereignisse) {
  tabellen_leeren();
  for (int m = anz_molek = 0; m < 2; m++, anz_molek++)
    molekuel[m].init(m, 1, 0), molekuel[m].addatom("C", {1. - m, 1. - m, 0});
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
  feld("F", std::to_string(fadenkreuz), "0"), feld("S", std::to_string(solidflag), "1");
  feld("T", std::to_string(ambientflag), "1"), feld("L", std::to_string(cylinderflag), "1");
  feld("edit", std::to_string(edit_modus), "0"), feld("klicks", klicks, "");
  feld("knopf", std::to_string(maus_knopf), "-1"), feld("menu", std::to_string(menu.aktiv), "0");
  feld("neu", std::to_string(neuzeichnungen), "0"), feld("aus", aus, "");
  return s;
}

struct Fall {
  std::function<void()> ereignisse;
  std::string soll;
};

static void tasten(const char* s) {
  for (; *s; s++) key(*s, 5, 6);
}
template <class... T>
static void sondertasten(T... tasten) {
  (spezial(tasten, 0, 0), ...);
}

static void klicken(int dx, int dy) { mausknopf(0, 0, 100, 200), mausknopf(0, 1, 100 + dx, 200 + dy); }

static void ziehen(int knopf, int x0, int y0, int x1, int y1) { mausknopf(knopf, 0, x0, y0), mausmotion(x1, y1); }

template <class... A>
static void waehlen(A... atome) {
  (atomliste[atome].select(atome), ...);
}

// Keys and mouse, and a requester or the menu bar before them.
TEST(Eingabe, TastenUndMaus) {
  const Fall faelle[] = {
      {[] { tasten("kkKKk"); }, "kugeln 0.75 neu 5"},  // K shrinks by 0.25, from 0.25 back to 1
      {[] { tasten("FsTl"); }, "F 1 S 0 T 0 L 0 neu 4"},
      {[] { waehlen(0, 1), tasten("a"); }, "neu 1 aus keine Bindung zwischen Atom 0 und Atom 1\n"},
      {[] { waehlen(1), tasten("\x7f"); }, "neu 1 aus Letztes Atom in Molekuel 1, nicht geloescht\n"},
      {[] { tasten("h"); }, "neu 1 aus \n" + std::string(hilfetext) + "\n"},
      {[] { sondertasten(100); }, "eye 0.1745 0 9.998 neu 1"},  // arrows, page up and down
      {[] { sondertasten(101); }, "eye 0 -0.1745 9.998 up 0 0.9998 0.01745 neu 1"},
      {[] { sondertasten(104); }, "up -0.01745 0.9998 0 neu 1"},
      {[] { sondertasten(100, 102, 101, 103, 104, 105); }, "neu 6"},  // the opposite keys turn back
      {[] { sondertasten(100, 101, 104, 106); }, "neu 4"},            // Home
      // in edit mode the keys turn the active molecule, and Home is bound only while Shift is held
      {[] { edit_modus = 1, sondertasten(100); }, "atom 0.9998 1 0.01745 edit 1 neu 1"},
      {[] { edit_modus = 1, eye = Vektor3d(3, 0, 3), sondertasten(106, 112, 106); },
       "edit 257 neu 3 aus spezial(key=106,x=0,y=0)\n"},
      {[] { edit_modus = 1, sondertasten(112, 113); }, "edit 1 neu 2"},
      {[] { requester1.aktiv = true, tasten("k"), sondertasten(100), mausknopf(3, 0, 0, 0); }, "neu 3"},
      {[] { menu.anzahl = 0, mausknopf(0, 0, 5, 10), tasten("k"); }, "menu 1 neu 2"},
      {[] { mausknopf(0, 0, 5, 30); }, "knopf 0 neu 1"},  // below the bar
      // a release within a pixel of the press picks, with the left button only
      {[] { klicken(1, -1), klicken(-1, 1), mausmotion(9, 9); }, "klicks 101,199 99,201 neu 5"},
      {[] { klicken(2, 0), klicken(-2, 0), klicken(0, 2), klicken(0, -2); }, "neu 8"},
      {[] { mausknopf(2, 0, 100, 200), mausknopf(2, 1, 100, 200); }, "neu 2"},
      // the wheel moves by 0.5, not closer once nearer than 1, not farther once 100 away
      {[] { mausknopf(3, 0, 0, 0), mausknopf(3, 1, 0, 0); }, "eye 0 0 9.5 neu 2"},
      {[] { eye = Vektor3d(0, 0, 1.2), mausknopf(3, 0, 0, 0), mausknopf(3, 0, 0, 0); }, "eye 0 0 0.7 neu 2"},
      {[] { eye = Vektor3d(0, 0, 99.9), mausknopf(4, 0, 0, 0), mausknopf(4, 0, 0, 0); }, "eye 0 0 100.4 neu 2"},
      // left turns against the mouse, one degree per step of at least 2 pixels, the pixels adding up; the
      // middle button rolls along a circle about the window centre (600, 450); the right one shifts from 5 pixels on
      {[] { ziehen(0, 100, 100, 102, 100); }, "eye -0.1745 0 9.998 knopf 0 neu 2"},
      {[] { ziehen(0, 100, 100, 100, 102); }, "eye 0 0.1745 9.998 up 0 0.9998 -0.01745 knopf 0 neu 2"},
      {[] { ziehen(0, 100, 100, 101, 100), mausmotion(102, 100), mausmotion(150, 100), mausknopf(0, 1, 0, 0); },
       "eye -0.349 0 9.994 neu 5"},
      {[] { ziehen(1, 100, 100, 102, 100); }, "up -0.01745 0.9998 0 knopf 1 neu 2"},
      {[] { ziehen(2, 100, 100, 104, 100); }, "knopf 2 neu 2"},
      {[] { ziehen(2, 100, 100, 110, 100), mausmotion(110, 95); }, "eye -0.1 -0.05 10 cent -0.1 -0.05 0 knopf 2 neu 3"},
      // in edit mode the active molecule moves instead, the camera again while Shift is held
      {[] { edit_modus = 1, ziehen(2, 100, 100, 110, 100); }, "atom 1.1 1 0 edit 1 knopf 2 neu 2"},
      {[] { edit_modus = 257, ziehen(2, 100, 100, 110, 100); }, "eye -0.1 0 10 cent -0.1 0 0 edit 257 knopf 2 neu 2"}};
  for (const Fall& f : faelle) EXPECT_EQ(nach(f.ereignisse), f.soll) << "Zeile " << &f - faelle;
}

// A0-B1-C2-D3 with E4 on B1 and F5 on C2: the angle 0-1-2 is w degrees, the dihedral 0-1-2-3 is 90.
static void bauen(double w) {
  tabellen_leeren();
  undo_anz = 0;
  Vektor3d c(std::cos(w * M_PI / 180), std::sin(w * M_PI / 180), 0);
  Vektor3d p[] = {{1, 0, 0}, {}, c, c + Vektor3d(0, 0, 1), {-0.6, -0.3, -0.5}, c + Vektor3d(0.5, 0.5, -0.5)};
  molekuel[0].init(anz_molek++, 6, 5);
  for (Vektor3d& q : p) molekuel[0].addatom("C", q);
  for (auto [a, b] : {std::pair{0, 1}, {1, 2}, {2, 3}, {1, 4}, {2, 5}}) molekuel[0].addbond(a, b, 1);
}

// Angle mode: left or middle drags turn the angle in half-degree steps; one undo record per drag takes them back.
TEST(Winkelmaus, Ziehen) {
  struct Zug {
    const char* was;
    int modus, knopf, atome;      // angle mode M 1, N 2; the button; atoms 0, 1, ... selected
    double anfang;                // the angle 0-1-2 at the start
    std::vector<Intvektor> wege;  // where the pointer goes from the press
    double winkel;                // the angle afterwards, the dihedral with four atoms
    const char* bewegt;
    int undo, modus_danach;
  } faelle[] = {{"2 px rechts", 1, 0, 3, 104.5, {{2, 0}}, 105, "235", 1, 1},
                {"und zurueck", 1, 0, 3, 104.5, {{2, 0}, {1, 0}, {0, 0}}, 104.5, "", 1, 1},
                {"Grenze 30 Grad", 1, 0, 3, 31, {{-2, 0}, {-4, 0}, {-6, 0}, {-4, 0}}, 30.5, "235", 1, 1},
                {"durch 180 Grad", 1, 0, 3, 179.8, {{0, -2}, {0, -4}}, 179.2, "235", 1, 1},
                {"N", 2, 0, 3, 104.5, {{2, 0}}, 105, "2345", 1, 2},
                {"mittlerer Knopf", 1, 1, 3, 104.5, {{2, 0}}, 104, "235", 1, 1},
                {"unter 2 Pixeln", 1, 0, 3, 104.5, {{1, 1}}, 104.5, "", 0, 1},
                {"Dieder", 1, 0, 4, 104.5, {{2, 0}}, 90.5, "3", 1, 1},
                {"zwei Atome", 1, 0, 2, 104.5, {{2, 0}}, 104.5, "", 0, 0}};
  for (const Zug& z : faelle) {
    SCOPED_TRACE(z.was);
    bauen(z.anfang);
    for (int a = 0; a < z.atome; a++) atomliste[a].select(a);
    std::vector<Vektor3d> start = positionen();
    winkelmausflag = z.modus;
    mausknopf(z.knopf, 0, 300, 300);
    for (Intvektor w : z.wege) mausmotion(300 + w.x, 300 + w.y);
    mausknopf(z.knopf, 1, 300, 300);
    EXPECT_EQ(bewegt(start), z.bewegt);
    Atomlist* a = atomliste;
    EXPECT_NEAR(z.atome == 4 ? diederwinkel(a, a + 1, a + 2, a + 3) * 180 / M_PI : winkel(0, 1, 2), z.winkel, 1e-9);
    EXPECT_EQ(undo_anz, z.undo);
    EXPECT_EQ(winkelmausflag, z.modus_danach);
    if (z.undo) bedienen(m_undo);
    EXPECT_EQ(bewegt(start), "");
  }
}

// M and N need three atoms selected; ESC clears selection and angle mode, then stops shake, then edit mode.
TEST(Winkelmaus, TastenUndEscape) {
  bauen(100);
  waehlen(0, 1), key('m', 0, 0);
  EXPECT_EQ(winkelmausflag, 0);
  waehlen(2), key('m', 0, 0);
  EXPECT_EQ(winkelmausflag, 1);
  key('N', 0, 0);
  EXPECT_EQ(winkelmausflag, 2);
  shakeflag = 1, edit_modus = 1;
  EXPECT_EQ(ausgabe_von([] { key(27, 0, 0); }), "");
  EXPECT_EQ(nsel, 0);
  EXPECT_EQ(winkelmausflag, 0);
  EXPECT_EQ(ausgabe_von([] { key(27, 0, 0), key(27, 0, 0); }), "shake off\nedit off\n");
}
