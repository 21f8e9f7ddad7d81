// Keyboard and mouse input: drawing switches, diagnostics, camera keys, clicks and drags,
// and the routing of events to the requester and the menu bar first.
#include <gtest/gtest.h>

#include "fenster_attrappe.h"
#include "model/tabellen.h"
#include "testhilfe.h"
#include "ui/menu.h"
#include "ui/requester.h"
#include "view/ansicht.h"
#include "view/eingabe.h"
#include "view/kamera.h"

namespace {

struct Eingabe : testing::Test {
  void SetUp() override {
    tabellen_leeren();
    kamera_reset();
    edit_modus = 0;
    kugelskal = 1.0;
    fadenkreuz = 0;
    solidflag = ambientflag = cylinderflag = 1;
    maus_knopf = -1;
    klicks.clear();
    neuzeichnungen = 0;
    requester1.aktiv = false;
    menu.reset();
  }
  void TearDown() override {
    requester1.aktiv = false;
    menu.reset();
  }
  std::string taste(unsigned char c) {
    return ausgabe_von([c] { key(c, 5, 6); });
  }
  void ziehen(int knopf, std::initializer_list<std::pair<int, int>> wege) {
    auto start = *wege.begin();
    mausknopf(knopf, 0, start.first, start.second);
    for (auto [x, y] : wege) mausmotion(x, y);
  }
};

TEST_F(Eingabe, ZeichenschalterInBeidenSchreibweisen) {
  for (double soll : {0.75, 0.5, 0.25, 1.0, 0.75}) {
    taste('k');
    EXPECT_DOUBLE_EQ(kugelskal, soll);
  }
  taste('F');
  taste('s');
  taste('T');
  taste('l');
  EXPECT_EQ(fadenkreuz, 1);
  EXPECT_EQ(solidflag, 0);
  EXPECT_EQ(ambientflag, 0);
  EXPECT_EQ(cylinderflag, 0);
  taste('f');
  EXPECT_EQ(fadenkreuz, 0);
  EXPECT_EQ(neuzeichnungen, 10);
}

TEST_F(Eingabe, UngebundeneTastenWerdenGemeldet) {
  EXPECT_EQ(taste('q'), "key(c='Q',x=5,y=6)\n");
  EXPECT_EQ(taste(' '), "key(c=' ',x=5,y=6)\n");
  EXPECT_EQ(taste(228), "key(c=228=0xE4,x=5,y=6)\n");
  EXPECT_EQ(taste(127), "key(c=127=0x7F,x=5,y=6)\n");
  EXPECT_EQ(ausgabe_von([] { spezial(1, 7, 8); }), "spezial(key=1,x=7,y=8)\n");
}

TEST_F(Eingabe, PfeiltastenDrehenUndPos1SetztZurueck) {
  spezial(100, 0, 0);
  EXPECT_GT(eye.x, 0);
  spezial(101, 0, 0);
  EXPECT_LT(eye.y, 0);
  spezial(104, 0, 0);
  EXPECT_NE(up.x, 0);
  spezial(106, 0, 0);
  erwarte_nah(eye, 0, 0, 10);
  erwarte_nah(up, 0, 1, 0);
  spezial(102, 0, 0);
  spezial(103, 0, 0);
  spezial(105, 0, 0);
  EXPECT_LT(eye.x, 0);
  EXPECT_GT(eye.y, 0);
}

TEST_F(Eingabe, EditmodusUndUmschalttaste) {
  anz_molek = 1;
  molekuel[0].init(0, 1, 0);
  Vektor3d a(1, 0, 0);
  molekuel[0].addatom("C", a);
  edit_modus = 1;
  spezial(100, 0, 0);
  erwarte_nah(eye, 0, 0, 10);
  EXPECT_NEAR(atomliste[0].p.z, std::sin(M_PI / 180), 1e-12);
  eye = Vektor3d(3, 0, 3);
  EXPECT_EQ(ausgabe_von([] { spezial(106, 1, 2); }), "spezial(key=106,x=1,y=2)\n");
  erwarte_nah(eye, 3, 0, 3);
  spezial(112, 0, 0);
  EXPECT_EQ(edit_modus, 257);
  spezial(106, 0, 0);
  erwarte_nah(eye, 0, 0, 10);
  spezial(113, 0, 0);
  EXPECT_EQ(edit_modus, 1);
}

TEST_F(Eingabe, KlickNurBisEinPixel) {
  mausknopf(0, 0, 100, 200);
  mausknopf(0, 1, 101, 199);
  ASSERT_EQ(klicks.size(), 1u);
  EXPECT_EQ(klicks[0], std::make_pair(101, 199));
  EXPECT_EQ(maus_knopf, -1);
  mausknopf(0, 0, 100, 200);
  mausknopf(0, 1, 102, 200);
  EXPECT_EQ(klicks.size(), 1u);
  mausknopf(2, 0, 100, 200);
  mausknopf(2, 1, 100, 200);
  EXPECT_EQ(klicks.size(), 1u);
  EXPECT_EQ(neuzeichnungen, 6);
}

TEST_F(Eingabe, RadZoomtNurBeimDruecken) {
  mausknopf(3, 0, 0, 0);
  EXPECT_DOUBLE_EQ(eye.z, 9.5);
  mausknopf(3, 1, 0, 0);
  EXPECT_DOUBLE_EQ(eye.z, 9.5);
  mausknopf(4, 0, 0, 0);
  mausknopf(4, 0, 0, 0);
  EXPECT_DOUBLE_EQ(eye.z, 10.5);
}

TEST_F(Eingabe, ZiehenDrehtErstAbZweiPixeln) {
  ziehen(0, {{100, 100}, {101, 100}});
  erwarte_nah(eye, 0, 0, 10);
  mausmotion(102, 100);  // the 2 pixels add up
  EXPECT_NEAR(eye.x, -10 * std::sin(M_PI / 180), 1e-12);
  kamera_reset();
  ziehen(0, {{100, 100}, {150, 100}});  // however far: one degree
  EXPECT_NEAR(eye.x, -10 * std::sin(M_PI / 180), 1e-12);
  mausmotion(151, 100);
  EXPECT_NEAR(eye.x, -10 * std::sin(M_PI / 180), 1e-12);
  mausknopf(0, 1, 151, 100);
  mausmotion(200, 200);
  EXPECT_NEAR(eye.x, -10 * std::sin(M_PI / 180), 1e-12);
}

TEST_F(Eingabe, MittlererKnopfRolltUmDieMitte) {
  ziehen(1, {{100, 100}, {102, 100}});  // upper half, moving right
  EXPECT_LT(up.x, 0);
  kamera_reset();
  ziehen(1, {{100, 800}, {102, 800}});  // lower half, moving right
  EXPECT_GT(up.x, 0);
}

TEST_F(Eingabe, RechterKnopfSchiebtErstAbFuenfPixeln) {
  ziehen(2, {{100, 100}, {104, 100}});
  erwarte_nah(cent, 0, 0, 0);
  mausmotion(110, 100);
  erwarte_nah(cent, -10 * DX, 0, 0);
  erwarte_nah(eye, -10 * DX, 0, 10);
  mausmotion(110, 95);
  erwarte_nah(cent, -10 * DX, -5 * DY, 0);
}

TEST_F(Eingabe, OffenerRequesterBekommtAlles) {
  requester1.aktiv = true;
  requester1.typ = 1;
  EXPECT_EQ(taste('k'), "");
  EXPECT_DOUBLE_EQ(kugelskal, 1.0);
  spezial(100, 0, 0);
  mausknopf(3, 0, 0, 0);
  erwarte_nah(eye, 0, 0, 10);
  neuzeichnungen = 0;
  mausmotion2(10, 10);
  EXPECT_EQ(neuzeichnungen, 1);
  requester1.aktiv = false;
  mausmotion2(10, 10);
  EXPECT_EQ(neuzeichnungen, 1);
}

TEST_F(Eingabe, MenuleisteNimmtDenStreifenOben) {
  menu.anzahl = 0;
  mausknopf(0, 0, 5, 10);
  EXPECT_TRUE(menu.aktiv);
  EXPECT_EQ(taste('k'), "");
  EXPECT_DOUBLE_EQ(kugelskal, 1.0);
  menu.reset();
  mausknopf(0, 0, 5, 30);
  EXPECT_FALSE(menu.aktiv);
  EXPECT_EQ(maus_knopf, 0);
}

}  // namespace
