// The menu bar with the program's table (cells, layout, mouse state machine, the menu thread running handlers),
// and requesters answered for real (layout, keys and clicks, editing, buffer limits, unanswerable calls).
#include <gtest/gtest.h>

#include <cstring>
#include <tuple>
#include <vector>

#include "edit/atome.h"
#include "edit/datei.h"
#include "edit/neuesatom.h"
#include "edit/programm.h"
#include "edit/undo.h"
#include "edit/winkel.h"
#include "model/zustand.h"
#include "relax/shake.h"
#include "testhilfe.h"
#include "ui/dialoge.h"
#include "ui/fenster.h"
#include "ui/menu.h"
#include "ui/requester.h"
#include "ui/zeichenketten.h"
#include "view/befehle.h"

namespace {

std::atomic<long> letzte_id{-99};
std::atomic<int> aufrufe{0};  // what the handler below saw
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

// The program's handlers, four columns, cell by cell; a later row fills a whole row of cells and drops texts
// beyond the columns; 500 cells; of 21 titles 19 lay out.
TEST_F(MenuTest, TableRowsAndLimits) {
  const funkzeiger keiner{},
      soll[] = {keiner,      keiner,      keiner,         keiner,      m_open_file, m_undo, m_shake,
                m_ueber,     m_save_file, m_atom_aendern, m_shake_off, m_hilfe,     m_quit, m_bindung,
                keiner,      keiner,      keiner,         m_molek_rot, keiner,      keiner, keiner,
                m_neuesatom, keiner,      keiner,         keiner,      m_edit_off,  keiner, keiner};
  ASSERT_EQ(menu.imax, 28);
  for (int i = 0; i < menu.imax; i++) EXPECT_EQ(mainmenu[i].fun, soll[i]) << i;
  EXPECT_STREQ(mainmenu[2].text, "Optimize");
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
  menu.mark = 16, menu.run();              // an entry without a handler does nothing
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
  menuthread.join();                                          // returns only because Exit stopped the loop
  EXPECT_EQ(std::make_pair(exitflag.load(), aufrufe.load()), std::make_pair(1, 1));
}

// What frage returns on a thread of its own (the menu thread) when the test answers with eingabe, then Escape.
int antwort(const std::function<int()>& frage, const std::function<void()>& eingabe) {
  std::atomic<int> ergebnis{-99};
  std::thread menuthread([&] { ergebnis = frage(); });
  EXPECT_TRUE(warten_bis([] { return requester1.aktiv.load(); }));
  eingabe();
  if (requester1.aktiv) requester1.key(27, 0, 0);
  menuthread.join();
  return ergebnis;
}

// Corners of the box and the buttons shown; with fields the title and each field's input box / label.
std::string bild() {
  const Requester& r = requester1;
  auto ecken = [](const auto& k, const char* davor = " | ") {
    return davor + std::to_string(k.x1) + " " + std::to_string(k.y1) + " " + std::to_string(k.x2) + " " +
           std::to_string(k.y2);
  };
  std::string s = ecken(r, "") + ecken(r.knopf1) + (r.neintext[0] ? ecken(r.knopf2) : "") +
                  (r.canceltext[0] ? ecken(r.knopf3) : "") + (r.typ == 2 ? " |" + std::string(r.text) : "");
  for (int i = 0; r.typ == 2 && i < r.ng; i++) {
    const Gadget& g = r.gadget[i];
    s += ecken(g) + ecken(Rechteck{g.x3, g.y3, g.x4, g.y4}, " / ");
  }
  return s;
}

char name[80] = "abcd";
double x = 1.5;
int nr = 5;
long lang = 7;  // the caller's variables behind the fields
int felder() {  // in the big font
  requester1.grosserfont(2);
  return requester_input(4, "Atom 3", "%s", "%s\n", name, "x", "%8.3f", "%lf", &x, "Nr", "%d", "%d", &nr, "Lang", "%ld",
                         "%ld", &lang);
}
int ein_knopf() { return janeinrequester("falsche Atom-Nummer", "ok", nullptr); }

// Each row asks, checks the layout and answers; Return takes the last button, or moves on between fields.
TEST(Requester, LayoutAndAnswers) {
  const char* felderbild =
      "50 298 730 850 | 180 330 372 394 | 406 330 598 394 |      Input-Requester | 102 654 294 718 / 102 726 294 790 | "
      "102 494 342 558 / 102 566 342 630 | 390 494 486 558 / 390 566 486 630 | 534 494 678 558 / 534 566 678 630";
  const std::tuple<const char*, int (*)(), const char*, std::vector<int>, int> faelle[] = {
      {"three lines, three buttons, Return",
       [] { return janeinrequester3("Was soll\ngespeichert\nwerden?", "alles", "nur 1 Molekuel", "x"); },
       "50 682 834 850 | 150 714 342 746 | 346 714 538 746 | 542 714 734 746",
       {13},
       -1},
      {"two lines, clicks beside the buttons shown",
       [] { return janeinrequester("Undo-Buffer empty\nnichts zu tun", "ok", "no"); },
       "50 704 262 850 | 96 736 144 768 | 167 736 215 768",
       {KNOPF3, NEBEN, 13},
       0},
      {"big font, Escape",
       [] { return requester1.grosserfont(2), ein_knopf(); },
       "50 565 514 850 | 234 629 330 693",
       {27},
       -1},
      {"small window, Return",
       [] { return bildbreite = 200, bildhoehe = 100, ein_knopf(); },
       "0 0 200 100 | 94 32 142 64",
       {13},
       1},
      {"fields, a number that does not scan", felder, felderbild, {FELD - 2, 8, 'q', KNOPF1}, 1},
      // Field 1 "1,5005" with a decimal comma, then field 0: "abcd", "abd", "ad", "aXd", "aXYd", "aXYäd"; on to
      // the others and round.
      {"fields, editing",
       felder,
       felderbild,
       {9,     '5', LINKS, LINKS,  LINKS,    LINKS,  8,      ',',    FELD - 0, LINKS, ENTF, 8,
        LINKS, 127, LINKS, RECHTS, 'X',      RECHTS, RECHTS, RECHTS, LINKS,    'Y',   0xe4, 0xdf,
        7,     13,  13,    '6',    FELD - 3, NEBEN,  '1',    13,     '!',      KNOPF1},
       1},
      {"fields, Cancel", felder, felderbild, {'9', KNOPF2}, 0}};
  for (const auto& [was, frage, erwartet, eingabe, ergebnis] : faelle) {
    SCOPED_TRACE(was);
    bildbreite = 1200, bildhoehe = 900;
    requester1.grosserfont(1);
    EXPECT_EQ(antwort(frage,
                      [&, &erwartet = erwartet, &eingabe = eingabe] {
                        EXPECT_EQ(bild(), erwartet);
                        eingeben(eingabe);
                      }),
              ergebnis);
  }
  EXPECT_EQ(std::string(name) + " " + std::to_string(x) + " " + std::to_string(nr) + " " + std::to_string(lang),
            "aXY\xe4!d 1.500500 56 71");
}

// Texts and fields are cut to their buffers, the caller's too, and texts to their lines.
TEST(Requester, BuffersAndLimits) {
  antwort([] { return myprints("kann \"%s\" nicht oeffnen.\n", "x.xyz"), 0; },
          [] { EXPECT_STREQ(requester1.text, "kann \"x.xyz\" nicht oeffnen.\n"); });
  antwort([] { return myprintd("ungueltige Molekuel-Nr: %d\n", -12345), 0; },
          [] { EXPECT_STREQ(requester1.text, "ungueltige Molekuel-Nr: -12345\n"); });
  char text[120] = {}, datei[32] = "abc", zeile[REQ_TEXTLAENGE];
  std::memset(text, 'a', 100);
  std::memset(datei + 4, '#', 28);
  antwort([&text] { return requester_input(1, "Text", "%s", "%s", text); }, [] { eingeben({'b', KNOPF1}); });
  EXPECT_EQ(text + std::string(requester1.gadget[0].eingabetext), std::string(2 * 79, 'a'));
  EXPECT_EQ(ausgabe_von([&datei] {
              antwort([&datei] { return nachfilenamefragen("Lade Molekuel", datei, 8); },
                      [] {
                        eingeben({' ', '~', 0xc4, 0x1f, 0xa0, 0xfc, 'x', 'y', 'z', KNOPF1});
                      });  // not 0x1f, 0xa0
            }),
            "Provisorischer filename-Requester:\n");
  EXPECT_EQ(std::string(datei, sizeof datei), std::string("abc ~\xc4\xfc\0", 8) + std::string(24, '#'));
  strncpy_nocrlf(zeile, "%l\r\nf", 5);
  EXPECT_STREQ(zeile, "%l");
  std::string zeilen;  // drawn lines of at most 4 characters
  for (const char* rest = "abcdef\ngh"; rest; zeilen += std::string(zeile) + "|") rest = umbruch_zeile(rest, 4, zeile);
  EXPECT_EQ(zeilen, "abcd|ef|gh|");
}

// Asked on the main thread or after the event loop a requester ends unanswered; an inactive one takes no events.
TEST(Requester, CallsThatCannotBeAnsweredEnd) {
  haupt_thread = std::this_thread::get_id();
  std::string aus = ausgabe_von([] {
    EXPECT_EQ(std::make_pair(janeinrequester("x", "ok", nullptr), requester_input(1, "", "%d", "%d", &nr)),
              std::make_pair(-1, 0));
  });
  haupt_thread = std::thread::id();
  const char* zeile = "Fehler: Requester im Hauptthread aufgerufen - abgelehnt, er wuerde das Programm anhalten\n";
  EXPECT_EQ(aus, std::string(zeile) + zeile);
  auto ende = [] {
    hauptschleife_beendet = true;
    EXPECT_TRUE(warten_bis([] { return !requester1.aktiv; }));
  };
  EXPECT_EQ(antwort(ein_knopf, ende), -1);
  hauptschleife_beendet = false;
  requester1.set(1, requester_box(100, 100), "x", "ok", nullptr, nullptr, -1);
  requester1.reset();
  eingeben({13, KNOPF1});
  EXPECT_EQ(requester1.antwort, -2);
}

}  // namespace
