// The menu bar with the program's table: its cells, layout, mouse state machine, and the menu thread
// running handlers (Ueber, Exit).
#include "ui/menu.h"

#include <gtest/gtest.h>

#include <map>
#include <tuple>
#include <vector>

#include "edit/atome.h"
#include "edit/datei.h"
#include "edit/neuesatom.h"
#include "edit/programm.h"
#include "edit/undo.h"
#include "edit/winkel.h"
#include "relax/shake.h"
#include "testhilfe.h"
#include "ui/requester.h"
#include "view/ansicht.h"
#include "view/befehle.h"

namespace {

std::atomic<long> letzte_id{-99}; std::atomic<int> aufrufe{0};  // what the handler below saw
std::atomic<std::thread::id> handler_thread;
void m_merken(long id) { handler_thread = std::this_thread::get_id(), letzte_id = id, aufrufe++; }

struct MenuTest : testing::Test {
  void SetUp() override {
    for (Menu& m : mainmenu) m = Menu();
    menu.anzahl = menu.imax = menu.mark = 0;
    menu.grosserfont(1);
    menu_eintragen();
  }
};

void druck(int x, int y) { menu.mausknopf(0, 0, x, y); }
void los(int x, int y) { menu.mausknopf(0, 1, x, y); }
void ziehen(int x, int y) { menu.mausmotion(x, y); }
void passiv(int x, int y) { menu.mausmotionpassiv(x, y); }
void rechts(int x, int y) { menu.mausknopf(2, 0, x, y); }  // other buttons only move

// At scale 2, after a layout at scale 1: edge and width of each column, the rows, and where the bar closes.
TEST_F(MenuTest, LayoutAtScaleTwo) {
  menu.aktivieren(0, 500);
  menu.grosserfont(2);
  druck(200, 20), druck(200, 20), ziehen(200, 46 + 1 + 48 + 5);
  EXPECT_EQ(std::vector<int>(menu.menupos + 1, menu.menupos + 5), std::vector<int>({148, 292, 532, 700}));
  EXPECT_EQ(std::vector<int>(menu.menubreite, menu.menubreite + 4), std::vector<int>({312, 528, 408, 216}));
  EXPECT_EQ(menu.mark, 9);
  EXPECT_TRUE(!menu.ist_maus_weg(0, 640) && menu.ist_maus_weg(0, 641));
}
TEST_F(MenuTest, MouseEventsOneAfterAnother) {
  // Event at x, y; then status, open column, marked cell, and whether a handler was requested.
  const std::tuple<const char*, void (*)(int, int), int, int, int, int, int, bool> schritte[] = {
      {"moving onto the bar activates it", ziehen, 100, 10, 1, 1, 0, false},
      {"a press opens Edit", druck, 100, 10, 2, 1, 0, false},
      {"down to Undo", ziehen, 100, 29, 3, 1, 5, false},
      {"on to row 2", passiv, 100, 53, 3, 1, 9, false},
      {"a press on an entry does nothing", druck, 100, 53, 3, 1, 9, false},
      {"the release picks it", los, 100, 53, 3, 1, 9, true},
      {"the right button moves to Optimize", rechts, 160, 10, 2, 2, 9, false},
      {"down to Shake", ziehen, 160, 29, 3, 2, 6, false},
      {"right of the column", ziehen, 400, 29, 2, 2, 6, false},
      {"along the bar to File", ziehen, 20, 10, 2, 0, 6, false},
      {"row 4 of File is empty", ziehen, 20, 101, 2, 0, 6, false},
      {"a release there picks nothing", los, 20, 101, 2, 0, 6, false},
      {"a press right of the titles", druck, 500, 10, 1, 4, 6, false},
      {"below y 320 it closes", ziehen, 100, 321, 0, 4, 6, false}};
  for (auto [was, ereignis, x, y, status, aufklapper, mark, waehlt] : schritte) {
    SCOPED_TRACE(was);
    menu.start_run = false;
    ereignis(x, y);
    EXPECT_EQ(std::make_tuple(menu.status.load(), menu.aktiv.load(), menu.aufklapper, menu.mark.load(),
                              menu.start_run.load()),
              std::make_tuple(status, status != 0, aufklapper, mark, waehlt));
  }
}

// The program's table, four columns, cell by cell; a later row fills a whole row of cells and drops texts
// beyond the columns; 500 cells; of 21 titles 19 lay out.
TEST_F(MenuTest, TableRowsAndLimits) {
  std::map<funkzeiger, std::string> namen = {
      {m_open_file, "m_open_file"}, {m_save_file, "m_save_file"}, {m_quit, "m_quit"}, {m_undo, "m_undo"},
      {m_atom_aendern, "m_atom_aendern"}, {m_bindung, "m_bindung"}, {m_molek_rot, "m_molek_rot"},
      {m_neuesatom, "m_neuesatom"}, {m_edit_off, "m_edit_off"}, {m_shake, "m_shake"},
      {m_shake_off, "m_shake_off"}, {m_ueber, "m_ueber"}, {m_hilfe, "m_hilfe"}};
  std::string tabelle;
  for (int i = 0; i < menu.imax; i++)
    tabelle += mainmenu[i].text + (mainmenu[i].fun ? " " + namen[mainmenu[i].fun] : "") + (i % 4 == 3 ? "\n" : "|");
  EXPECT_EQ(tabelle,
            "File|Edit|Optimize|Hilfe\n"
            "Open File... m_open_file|Undo m_undo|Shake m_shake|Ueber m_ueber\n"
            "Save File... m_save_file|Atom aendern... m_atom_aendern|Shake off  <ESC> m_shake_off|Hilfe  H m_hilfe\n"
            "Exit m_quit|Bindung aendern... m_bindung||\n"
            "|Molekuel rotieren... m_molek_rot||\n"
            "|neues Atom... m_neuesatom||\n"
            "|Editmodus off   <ESC> m_edit_off||\n");
  menu.setmenu(5, "a", "b", "c", "d", "e", m_merken, funkzeiger{}, m_merken, m_merken, m_merken);
  EXPECT_TRUE(menu.imax == 32 && mainmenu[28].fun && !mainmenu[29].fun && mainmenu[31].fun);
  EXPECT_STREQ(mainmenu[31].text, "d");
  for (int zeile = 8; zeile < MENU_ZELLEN / 4; zeile++) menu.setmenu(1, "x", m_merken);
  EXPECT_EQ(ausgabe_von([] { menu.setmenu(1, "y", m_merken); }), "maximale Menu-Anzahl ueberschritten\n");
  EXPECT_EQ(menu.imax, MENU_ZELLEN);
  menu.anzahl = menu.imax = 0;
  menu.setmenu(21, "a", "b", "c", "d", "e", "f", "g", "h", "i", "j", "k", "l", "m", "n", "o", "p", "q", "r", "s", "t",
               "u");
  EXPECT_EQ(ausgabe_von([] { menu.aktivieren(5000, 10); }), "zu viele Menupunkte\nzu viele Menupunkte\n");
  menu.klick(5000, 10, 0);
  EXPECT_EQ(menu.aufklapper, MENU_MAXSPALTEN);
}

// A handler handed over runs once on the menu thread; Ueber waits there for its answer; Exit ends the thread.
TEST_F(MenuTest, TheMenuThreadRunsTheHandlers) {
  menu.mark = 16, menu.run();  // an entry without a handler does nothing
  menu.run(m_merken), menu.run(m_merken);  // as keys do, twice before the thread runs
  std::thread menuthread([] { menu.loop(); });
  EXPECT_TRUE(warten_bis([] { return letzte_id == 1; }));
  EXPECT_EQ(handler_thread.load(), menuthread.get_id());
  druck(300, 10), druck(300, 10), ziehen(300, 29), los(300, 29);
  EXPECT_TRUE(warten_bis([] { return requester1.aktiv.load(); }));
  EXPECT_EQ(std::string(requester1.text) + "|" + requester1.neintext, "quil\nVersion 0.8|");  // one button
  EXPECT_EQ(menu.status, 0);
  requester1.key(13, 0, 0);
  druck(20, 10), druck(20, 10), ziehen(20, 77), los(20, 77);  // File, Exit
  menuthread.join();  // returns only because Exit stopped the loop
  EXPECT_EQ(std::make_pair(exitflag.load(), aufrufe.load()), std::make_pair(1, 1));
}

}  // namespace
