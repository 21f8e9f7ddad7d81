// The menu bar's mouse state machine and thread, and requesters answered for real with keys and clicks.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "model/zustand.h"
#include "testhilfe.h"
#include "ui/dialoge.h"
#include "ui/menu.h"
#include "ui/requester.h"
#include "ui/zeichenketten.h"
#include "view/befehle.h"

static std::atomic<int> aufrufe{0};  // what the handler below saw
static std::atomic<std::thread::id> handler_thread;
static void m_merken(long) { handler_thread = std::this_thread::get_id(), aufrufe++; }

static void tabelle() { menu.anzahl = menu.imax = menu.mark = 0, menu.reset(), menu_eintragen(); }

static void druck(int x, int y) { menu.mausknopf(0, 0, x, y); }
static void los(int x, int y) { menu.mausknopf(0, 1, x, y); }
static void ziehen(int x, int y) { menu.mausmotion(x, y); }
static void rechts(int x, int y) { menu.mausknopf(2, 0, x, y); }  // other buttons only move

// Columns File, Edit, Optimize and Hilfe start at x 4, 76, 148, 292; entry rows are 24 high below y 24.
TEST(MenuTest, MouseEventsOneAfterAnother) {
  tabelle();
  struct Schritt {
    const char* was;
    void (*ereignis)(int, int);
    int x, y, status, spalte, mark;
    bool waehlt;  // a handler requested
  } schritte[] = {{"moving onto the bar activates it", ziehen, 100, 10, 1, 1, 0, false},
                  {"a press opens Edit", druck, 100, 10, 2, 1, 0, false},
                  {"down to row 2", ziehen, 100, 53, 3, 1, 9, false},
                  {"the release picks it", los, 100, 53, 3, 1, 9, true},
                  {"the right button moves to Optimize", rechts, 160, 10, 2, 2, 9, false},
                  {"along the bar to File", ziehen, 20, 10, 2, 0, 9, false},
                  {"row 5 of File is empty", ziehen, 20, 125, 2, 0, 9, false},
                  {"a release there picks nothing", los, 20, 125, 2, 0, 9, false},
                  {"below y 320 it closes", ziehen, 100, 321, 0, 0, 9, false}};
  for (const Schritt& s : schritte) {
    SCOPED_TRACE(s.was);
    menu.start_run = false;
    s.ereignis(s.x, s.y);
    EXPECT_EQ(menu.status, s.status);
    EXPECT_EQ(menu.aufklapper, s.spalte);
    EXPECT_EQ(menu.mark, s.mark);
    EXPECT_EQ(menu.start_run, s.waehlt);
  }
}

// A handler handed over runs once on the menu thread; Ueber waits there for its answer; Exit ends the thread.
TEST(MenuTest, TheMenuThreadRunsTheHandlers) {
  tabelle();
  aufrufe = exitflag = 0;
  menu.run(m_merken), menu.run(m_merken);  // as keys do, twice before the thread runs
  std::thread menuthread([] { menu.loop(); });
  EXPECT_TRUE(warten_bis([] { return aufrufe == 1; }));
  EXPECT_EQ(handler_thread.load(), menuthread.get_id());
  druck(300, 10), druck(300, 10), ziehen(300, 29), los(300, 29);
  EXPECT_TRUE(warten_bis([] { return requester1.aktiv.load(); }));
  EXPECT_STREQ(requester1.text, "quil\nVersion 0.8");
  EXPECT_EQ(menu.status, 0);
  requester1.key(13, 0, 0);
  druck(20, 10), druck(20, 10), ziehen(20, 101), los(20, 101);  // File, Exit
  menuthread.join();                                            // returns only because Exit stopped the loop
  EXPECT_EQ(exitflag, 1);
  EXPECT_EQ(aufrufe, 1);
}

// What frage returns on a thread of its own (the menu thread) when the test answers with keys and clicks, then Escape.
static int antwort(const std::function<int()>& frage, const std::vector<int>& tasten) {
  std::atomic<int> ergebnis{-99};
  std::thread menuthread([&] { ergebnis = frage(); });
  EXPECT_TRUE(warten_bis([] { return requester1.aktiv.load(); }));
  eingeben(tasten);
  if (requester1.aktiv) requester1.key(27, 0, 0);
  menuthread.join();
  return ergebnis;
}

// Return takes the last button shown; clicks beside the buttons, or on one not shown, do nothing.
TEST(Requester, KeysAndClicksAnswer) {
  EXPECT_EQ(antwort([] { return janeinrequester3("Was soll\ngespeichert?", "alles", "nur 1", "x"); }, {13}), -1);
  requester1.knopf3.set(60, 800, 9, 9);  // where no button is shown below
  EXPECT_EQ(antwort([] { return janeinrequester("x", "ok", "no"); }, {KNOPF3, NEBEN, 13}), 0);
  EXPECT_EQ(antwort([] { return janeinrequester("x", "ok", "no"); }, {27}), -1);
}

// Fields in the big font for name "abcd", x 1.5, nr 5 and lang 7: "answer name x nr lang" afterwards.
static std::string felder(const std::vector<int>& tasten) {
  char name[80] = "abcd";
  double x = 1.5;
  int nr = 5;
  long lang = 7;
  auto frage = [&] {
    requester1.grosserfont(2);
    return requester_input(4, "Atom 3", "%s", "%s\n", name, "x", "%8.3f", "%lf", &x, "Nr", "%d", "%d", &nr, "Lang",
                           "%ld", "%ld", &lang);
  };
  int a = antwort(frage, tasten);
  char s[200];
  std::snprintf(s, sizeof s, "%d %s %g %d %ld", a, name, x, nr, lang);
  return s;
}

// Fields shown as "abcd", "   1.500", "5" and "7": ok stores them all, Cancel none.
TEST(Requester, FieldsEditTheCallersVariables) {
  // a decimal comma; in the big font too the fields lie above the buttons
  EXPECT_EQ(felder({9, '5', LINKS, LINKS, LINKS, LINKS, 8, ',', KNOPF1}), "1 abcd 1.5005 5 7");
  EXPECT_GT(requester1.gadget[3].y1, requester1.knopf1.y2);
  // "abd", "ad", "aXd", "aXYd": the cursor stops at both ends; ß is refused
  EXPECT_EQ(felder({LINKS, ENTF, 8, LINKS, 127, LINKS, RECHTS, 'X', RECHTS, RECHTS, LINKS, 'Y', 0xdf, KNOPF1}),
            "1 aXYd 1.5 5 7");
  // Return moves on and round, a click picks a field, one beside them nothing; ä is taken
  EXPECT_EQ(felder({13, 13, '6', FELD - 3, NEBEN, '1', 13, 0xe4, KNOPF1}), "1 abcd\xe4 1.5 56 71");
  EXPECT_EQ(felder({FELD - 2, 8, 'q', KNOPF1}), "1 abcd 1.5 5 7");  // a number that does not scan
  EXPECT_EQ(felder({'9', FELD - 2, '9', KNOPF2}), "0 abcd 1.5 5 7");
}

// Fields and the caller's buffers are cut to their sizes, texts to their lines.
TEST(Requester, BuffersAreCutWithoutOverrun) {
  char text[120] = {}, datei[32] = "abc", zeile[REQ_TEXTLAENGE];
  std::memset(text, 'a', 100);
  std::memset(datei + 4, '#', 28);
  antwort([&text] { return requester_input(1, "Text", "%s", "%s", text); }, {'b', KNOPF1});
  EXPECT_EQ(std::string(requester1.gadget[0].eingabetext), std::string(79, 'a'));
  EXPECT_EQ(std::string(text), std::string(79, 'a'));
  antwort([&datei] { return nachfilenamefragen("Lade Molekuel", datei, 8); },
          {' ', '~', 0xc4, 0x1f, 0xa0, 0xfc, 'x', 'y', 'z', KNOPF1});  // not 0x1f, 0xa0
  EXPECT_EQ(std::string(datei, sizeof datei), std::string("abc ~\xc4\xfc\0", 8) + std::string(24, '#'));
  std::string zeilen;  // drawn lines of at most 4 characters
  for (const char* rest = "abcdef\ngh"; rest; zeilen += std::string(zeile) + "|") rest = umbruch_zeile(rest, 4, zeile);
  EXPECT_EQ(zeilen, "abcd|ef|gh|");
}

// Asked on the main thread or after the event loop a requester ends unanswered.
TEST(Requester, CallsThatCannotBeAnsweredEnd) {
  haupt_thread = std::this_thread::get_id();
  EXPECT_EQ(ausgabe_von([] { EXPECT_EQ(janeinrequester("x", "ok", nullptr), -1); }),
            "Fehler: Requester im Hauptthread aufgerufen - abgelehnt, er wuerde das Programm anhalten\n");
  haupt_thread = std::thread::id();
  hauptschleife_beendet = true;
  EXPECT_EQ(janeinrequester("x", "ok", nullptr), -1);
  EXPECT_FALSE(requester1.aktiv);
  hauptschleife_beendet = false;
}
