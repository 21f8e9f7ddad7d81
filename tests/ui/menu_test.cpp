// Tests of the menu bar: table set-up, layout, the mouse state machine and the menu thread.
#include "ui/menu.h"

#include <gtest/gtest.h>

#include "testhilfe.h"
#include "ui/requester.h"

namespace {

std::atomic<long> letzte_id{-99};
std::atomic<int> aufrufe{0};
std::atomic<std::thread::id> handler_thread;

void m_merken(long id) {
  handler_thread = std::this_thread::get_id();
  letzte_id = id;
  aufrufe++;
}

const funkzeiger kein = nullptr;

void tabelle_leeren() {
  for (Menu& m : mainmenu) m = Menu();
  menu.anzahl = menu.imax = 0;
}

// The program's table: File, Edit, Optimize, Hilfe with rows of four and of two cells.
class MenuTest : public ::testing::Test {
 protected:
  void SetUp() override {
    tabelle_leeren();
    menu.grosserfont(1);
    menu.reset();
    letzte_id = -99;
    aufrufe = 0;
    menu.setmenu(4, "File", "Edit", "Optimize", "Hilfe");
    menu.setmenu(4, "Open File...", "Undo", "Shake", "Ueber", m_merken, m_merken, m_merken,
                 m_merken);
    menu.setmenu(4, "Save File...", "Atom aendern...", "Shake off  <ESC>", "Hilfe  H", m_merken,
                 m_merken, m_merken, m_merken);
    menu.setmenu(2, "Exit", "Bindung aendern...", m_merken, m_merken);
    menu.setmenu(2, nullptr, "Molekuel rotieren...", kein, m_merken);
  }
  void TearDown() override { menu.grosserfont(1); }
  // Opens column "Edit" and marks its first entry (cell 5): press, press, move down.
  void edit_oeffnen() {
    menu.mausknopf(0, 0, 100, 10);
    menu.mausknopf(0, 0, 100, 10);
    menu.mausmotion(100, 29);
  }
};

TEST_F(MenuTest, SetmenuFillsRowsAndLeavesMissingCellsEmpty) {
  EXPECT_EQ(menu.imax, 20);
  EXPECT_STREQ(mainmenu[9].text, "Atom aendern...");
  EXPECT_EQ(mainmenu[9].fun, m_merken);
  EXPECT_STREQ(mainmenu[14].text, "");
  EXPECT_EQ(mainmenu[14].fun, nullptr);
  EXPECT_EQ(menu.spalten_laenge(0), 3);
  EXPECT_EQ(menu.spalten_laenge(1), 4);
  menu.setmenu(5, "a", "b", "c", "d", "e", m_merken, kein, m_merken, m_merken, m_merken);
  EXPECT_EQ(menu.imax, 24);  // the fifth text has no column
  EXPECT_EQ(mainmenu[21].fun, nullptr);
  EXPECT_STREQ(mainmenu[23].text, "d");
}

TEST_F(MenuTest, LayoutAtScaleOneAndTwo) {
  menu.aktivieren(0, 500);
  const int pos[] = {4, 76, 148, 268, 352}, breite[] = {156, 252, 204, 108};
  for (int j = 0; j < 5; j++) EXPECT_EQ(menu.menupos[j], pos[j]);
  for (int j = 0; j < 4; j++) EXPECT_EQ(menu.menubreite[j], breite[j]);
  menu.grosserfont(2);
  menu.mausknopf(0, 0, 200, 20);
  menu.mausknopf(0, 0, 200, 20);
  menu.mausmotion(200, 46 + 1 + 48 + 5);
  EXPECT_EQ(menu.mark, 9);
  for (int j = 1; j < 5; j++) EXPECT_EQ(menu.menupos[j], 2 * pos[j] - 4);
  for (int j = 0; j < 4; j++) EXPECT_EQ(menu.menubreite[j], 2 * breite[j]);
}

TEST_F(MenuTest, FirstPressActivatesSecondOpensReleasePicks) {
  menu.mausknopf(0, 0, 100, 10);
  EXPECT_EQ(menu.status, 1);
  EXPECT_EQ(menu.aufklapper, 1);
  menu.mausknopf(0, 0, 100, 10);
  EXPECT_EQ(menu.status, 2);
  menu.mausmotion(100, 29);
  EXPECT_EQ(menu.status, 3);
  EXPECT_EQ(menu.mark, 5);
  menu.mausmotionpassiv(100, 53);
  EXPECT_EQ(menu.mark, 9);
  menu.mausknopf(0, 0, 100, 53);  // a press on an entry does nothing
  EXPECT_EQ(menu.status, 3);
  EXPECT_FALSE(menu.start_run);
  menu.mausknopf(0, 1, 100, 53);
  EXPECT_TRUE(menu.start_run);
  menu.mausmotion(400, 53);  // right of the column
  EXPECT_EQ(menu.status, 2);
  menu.mausmotion(20, 10);  // along the bar to "File"
  EXPECT_EQ(menu.aufklapper, 0);
}

TEST_F(MenuTest, ReleaseOverEmptyCellPicksNothing) {
  menu.mausknopf(0, 0, 20, 10);
  menu.mausknopf(0, 0, 20, 10);
  menu.mausmotion(20, 101);  // row 4 of "File" is empty
  EXPECT_EQ(menu.status, 2);
  menu.mausknopf(0, 1, 20, 101);
  EXPECT_FALSE(menu.start_run);
}

TEST_F(MenuTest, OtherButtonsAndKeys) {
  edit_oeffnen();
  menu.mausknopf(2, 0, 160, 10);
  EXPECT_EQ(menu.aufklapper, 2);
  menu.mausknopf(1, 1, 160, 29);
  EXPECT_EQ(menu.mark, 6);
  menu.key('a', 160, 29);
  menu.spezial(101, 160, 29);
  EXPECT_EQ(menu.status, 3);
  EXPECT_FALSE(menu.start_run);
}

TEST_F(MenuTest, ClosingBelow320AndPressRightOfTheTitles) {
  edit_oeffnen();
  menu.mausknopf(0, 0, 500, 10);
  EXPECT_EQ(menu.status, 1);
  EXPECT_EQ(menu.aufklapper, 4);
  menu.mausmotion(100, 320);
  EXPECT_TRUE(menu.aktiv);
  menu.mausmotion(100, 321);
  EXPECT_FALSE(menu.aktiv);
  EXPECT_EQ(menu.status, 0);
  menu.grosserfont(2);
  EXPECT_FALSE(menu.ist_maus_weg(0, 640));
  EXPECT_TRUE(menu.ist_maus_weg(0, 641));
}

TEST_F(MenuTest, RowsFarBelowAndEntryWithoutHandler) {
  edit_oeffnen();
  menu.aktivieren(100, 1000000);
  EXPECT_EQ(menu.status, 2);
  menu.mark = 4;
  mainmenu[4].fun = nullptr;
  menu.run();
  EXPECT_EQ(aufrufe, 0);
  EXPECT_FALSE(menu.aktiv);
}

TEST_F(MenuTest, TableLimits) {
  tabelle_leeren();
  menu.setmenu(3, "a", "b", "c");
  while (menu.imax + 3 <= MENU_ZELLEN) menu.setmenu(1, "x", m_merken);
  EXPECT_EQ(ausgabe_von([] { menu.setmenu(1, "y", m_merken); }),
            "maximale Menu-Anzahl ueberschritten\n");
  EXPECT_EQ(menu.imax, 498);
  tabelle_leeren();
  menu.setmenu(2, "a", "b");
  while (menu.imax < MENU_ZELLEN) menu.setmenu(1, "x", m_merken);
  EXPECT_EQ(menu.spalten_laenge(0), 249);
  menu.mausknopf(0, 0, 10, 10);
  menu.mausknopf(0, 0, 10, 10);
  menu.mausmotion(10, 24 + 11 * 24 + 5);
  EXPECT_EQ(menu.mark, 24);
}

TEST_F(MenuTest, TooManyColumnsAndSubmenus) {
  tabelle_leeren();
  menu.setmenu(21, "a", "b", "c", "d", "e", "f", "g", "h", "i", "j", "k", "l", "m", "n", "o", "p",
               "q", "r", "s", "t", "u");
  EXPECT_EQ(ausgabe_von([] { menu.aktivieren(5000, 10); }),
            "zu viele Menupunkte\nzu viele Menupunkte\n");
  EXPECT_EQ(menu.menupos[19], 4 + 19 * 36);
  menu.klick(5000, 10, 0);
  EXPECT_EQ(menu.aufklapper, MENU_MAXSPALTEN);
  EXPECT_EQ(ausgabe_von([] { menu.setsubmenu(3); }),
            "setsubmenu(n=3, ...)  noch nicht ausprogrammiert!\n");
}

// The menu thread runs beside the test, which plays the main thread.
class MenuThreadTest : public MenuTest {
 protected:
  std::thread menuthread;
  void starten() {
    menuthread = std::thread([] { menu.loop(); });
  }
  void TearDown() override {
    if (requester1.aktiv) requester1.key(27, 0, 0);
    menu.stop_loop();
    if (menuthread.joinable()) menuthread.join();
    menu.reset();
  }
};

TEST_F(MenuThreadTest, PickedEntryRunsOnTheMenuThreadWithItsCell) {
  starten();
  edit_oeffnen();
  menu.mausknopf(0, 1, 100, 29);
  ASSERT_TRUE(warten_bis([] { return aufrufe == 1; }));
  EXPECT_EQ(letzte_id, 5);
  EXPECT_EQ(handler_thread.load(), menuthread.get_id());
  EXPECT_EQ(menu.status, 0);
}

TEST_F(MenuThreadTest, HandedOverHandlerGetsOneAndRequestsMerge) {
  menu.run(m_merken);
  menu.run(m_merken);
  starten();
  ASSERT_TRUE(warten_bis([] { return aufrufe == 1; }));
  EXPECT_EQ(letzte_id, 1);
  EXPECT_EQ(handler_thread.load(), menuthread.get_id());
  menu.stop_loop();
  menuthread.join();
  EXPECT_EQ(aufrufe, 1);
}

TEST_F(MenuThreadTest, StopLoopEndsTheThread) {
  std::atomic<bool> fertig{false};
  menuthread = std::thread([&fertig] {
    menu.loop();
    fertig = true;
  });
  menu.stop_loop();
  EXPECT_TRUE(warten_bis([&fertig] { return fertig.load(); }));
}

std::atomic<int> handler_antwort{-99};

void m_fragen(long) { handler_antwort = janeinrequester("weiter?", "ja", "nein"); }

TEST_F(MenuThreadTest, HandlerWaitsInARequesterWhileTheMainThreadAnswers) {
  mainmenu[5].fun = m_fragen;
  starten();
  edit_oeffnen();
  menu.mausknopf(0, 1, 100, 29);
  ASSERT_TRUE(warten_bis([] { return requester1.aktiv.load(); }));
  requester1.key(13, 0, 0);
  EXPECT_TRUE(warten_bis([] { return handler_antwort == 0; }));
}

}  // namespace
