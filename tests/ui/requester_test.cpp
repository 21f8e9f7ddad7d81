// Requesters answered for real: layout, answers to keys and clicks, editing, buffer limits, unanswerable calls.
#include "ui/requester.h"

#include <gtest/gtest.h>

#include <cstring>
#include <tuple>
#include <vector>

#include "testhilfe.h"
#include "ui/menu.h"
#include "view/ansicht.h"

namespace {

// Keys, and as negative codes: clicks on a button, beside everything, on field i; special keys.
constexpr int KNOPF1 = -1, KNOPF2 = -2, KNOPF3 = -3, NEBEN = -4, FELD = -10, LINKS = -100, RECHTS = -102, ENTF = -111;
void eingeben(const std::vector<int>& folge) {
  const Requester& r = requester1;
  // A left press in the middle of k, in drawing coordinates (y upward) as GLUT delivers it.
  auto klicken = [](const auto& k) { requester1.mausknopf(0, 0, (k.x1 + k.x2) / 2, bildhoehe - (k.y1 + k.y2) / 2); };
  for (int c : folge) {
    if (c >= 0) requester1.key(static_cast<unsigned char>(c), 0, 0);
    else if (c <= LINKS) requester1.spezial(-c, 0, 0);
    else if (c <= FELD) klicken(r.gadget[FELD - c]);
    else if (c == NEBEN) klicken(Rechteck{r.x1, r.y2 - 4, r.x1 + 4, r.y2});
    else klicken(c == KNOPF1 ? r.knopf1 : c == KNOPF2 ? r.knopf2 : r.knopf3);
  }
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

char name[80] = "abcd"; double x = 1.5; int nr = 5; long lang = 7;  // the caller's variables behind the fields
int felder() {  // in the big font
  requester1.grosserfont(2);
  return requester_input(4, "Atom 3", "%s", "%s\n", name, "x", "%8.3f", "%lf", &x, "Nr", "%d", "%d", &nr, "Lang",
                         "%ld", "%ld", &lang);
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
       "50 682 834 850 | 150 714 342 746 | 346 714 538 746 | 542 714 734 746", {13}, -1},
      {"two lines, clicks beside the buttons shown",
       [] { return janeinrequester("Undo-Buffer empty\nnichts zu tun", "ok", "no"); },
       "50 704 262 850 | 96 736 144 768 | 167 736 215 768", {KNOPF3, NEBEN, 13}, 0},
      {"big font, Escape", [] { return requester1.grosserfont(2), ein_knopf(); },
       "50 565 514 850 | 234 629 330 693", {27}, -1},
      {"small window, Return", [] { return bildbreite = 200, bildhoehe = 100, ein_knopf(); },
       "0 0 200 100 | 94 32 142 64", {13}, 1},
      {"fields, a number that does not scan", felder, felderbild, {FELD - 2, 8, 'q', KNOPF1}, 1},
      // Field 1, then field 0: "abcd", "abd", "ad", "aXd", "aXYd", "aXYäd"; on to the others and round.
      {"fields, editing", felder, felderbild,
       {9, '5', FELD - 0, LINKS, ENTF, 8, LINKS, 127, LINKS, RECHTS, 'X', RECHTS, RECHTS, RECHTS, LINKS, 'Y',
        0xe4, 0xdf, 7, 13, 13, '6', FELD - 3, NEBEN, '1', 13, '!', KNOPF1}, 1},
      {"fields, Cancel", felder, felderbild, {'9', KNOPF2}, 0}};
  for (const auto& [was, frage, erwartet, eingabe, ergebnis] : faelle) {
    SCOPED_TRACE(was);
    bildbreite = 1200, bildhoehe = 900;
    requester1.grosserfont(1);
    EXPECT_EQ(antwort(frage, [&, &erwartet = erwartet, &eingabe = eingabe] {
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
                      [] { eingeben({' ', '~', 0xc4, 0x1f, 0xa0, 0xfc, 'x', 'y', 'z', KNOPF1}); });  // not 0x1f, 0xa0
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
  auto ende = [] { hauptschleife_beendet = true; EXPECT_TRUE(warten_bis([] { return !requester1.aktiv; })); };
  EXPECT_EQ(antwort(ein_knopf, ende), -1);
  hauptschleife_beendet = false;
  requester1.set(1, requester_box(100, 100), "x", "ok", nullptr, nullptr, -1);
  requester1.reset();
  eingeben({13, KNOPF1});
  EXPECT_EQ(requester1.antwort, -2);
}

}  // namespace
