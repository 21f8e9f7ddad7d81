// Tests of the requesters, driven for real: the blocking call runs on a thread of its own that
// plays the menu thread, the test plays the main thread and feeds keys and clicks.
#include "ui/requester.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>

#include "testhilfe.h"
#include "ui/menu.h"
#include "view/ansicht.h"

namespace {

// A blocking call on its own thread; once the requester is open the test answers it.
class Aufruf {
 public:
  explicit Aufruf(std::function<int()> f) : faden([this, f] { ergebnis = f(); }) {
    offen = warten_bis([] { return requester1.aktiv.load(); });
  }
  ~Aufruf() {
    if (requester1.aktiv) requester1.key(27, 0, 0);
    if (faden.joinable()) faden.join();
  }
  int ende() {
    faden.join();
    return ergebnis;
  }
  bool offen = false;

 private:
  std::atomic<int> ergebnis{-99};
  std::thread faden;
};

void taste(int c) { requester1.key(static_cast<unsigned char>(c), 0, 0); }
void tippen(const char* s) {
  for (; *s; s++) taste(static_cast<unsigned char>(*s));
}
// A left click at a point in drawing coordinates (y upward), as GLUT delivers it.
void klicken(int x, int y) { requester1.mausknopf(0, 0, x, bildhoehe - y); }
template <typename T>
void klicken(const T& k) {
  klicken((k.x1 + k.x2) / 2, (k.y1 + k.y2) / 2);
}

// The answer to frage when the user does what eingabe does, then Escape if it is still open.
int antwort(std::function<int()> frage, const std::function<void()>& eingabe) {
  Aufruf a(std::move(frage));
  EXPECT_TRUE(a.offen);
  eingabe();
  if (requester1.aktiv) taste(27);
  return a.ende();
}

// Corners as "x1 y1 x2 y2", for one-line comparisons.
template <typename T>
std::string ecken(const T& r) {
  return std::to_string(r.x1) + " " + std::to_string(r.y1) + " " + std::to_string(r.x2) + " " +
         std::to_string(r.y2);
}

// The box, the buttons shown and the input boxes of requester1, joined by " | ".
std::string bild() {
  const Requester& r = requester1;
  std::string s = ecken(r);
  if (r.jatext[0]) s += " | " + ecken(r.knopf1);
  if (r.neintext[0]) s += " | " + ecken(r.knopf2);
  if (r.canceltext[0]) s += " | " + ecken(r.knopf3);
  for (int i = 0; r.typ == 2 && i < r.ng; i++) s += " | " + ecken(r.gadget[i]);
  return s;
}

class RequesterTest : public ::testing::Test {
 protected:
  void SetUp() override {
    bildbreite = 1200;
    bildhoehe = 900;
    requester1.grosserfont(1);
  }
  void TearDown() override { SetUp(); }
};

int atom_nummer() { return janeinrequester("falsche Atom-Nummer", "ok", nullptr); }

TEST_F(RequesterTest, OneButtonCentredReturnClickAndEscape) {
  int a = antwort(atom_nummer, [] {
    EXPECT_EQ(bild(), "50 704 286 850 | 144 736 192 768");
    taste(13);
  });
  EXPECT_EQ(a, 1);
  EXPECT_EQ(antwort(atom_nummer, [] { klicken(requester1.knopf1); }), 1);
  EXPECT_EQ(antwort(atom_nummer, [] { taste(27); }), -1);
}

TEST_F(RequesterTest, TwoAndThreeButtonsReturnGivesTheLast) {
  auto zwei = [] {
    return janeinrequester(" Bindungs-Nummer oder Atom-Nummern ? ", "Bindungs", "Atom-Nr");
  };
  auto drei = [] {
    return janeinrequester3("Was soll gespeichert werden?", "alles", "nur 1 Molekuel", "cancel");
  };
  int a = antwort(zwei, [] {
    EXPECT_EQ(bild(), "50 704 502 850 | 140 736 260 768 | 291 736 411 768");
    taste(13);
  });
  EXPECT_EQ(a, 0);
  EXPECT_EQ(antwort(zwei, [] { klicken(requester1.knopf1); }), 1);
  a = antwort(drei, [] {
    EXPECT_EQ(bild(), "50 704 834 850 | 150 736 342 768 | 346 736 538 768 | 542 736 734 768");
    taste(13);
  });
  EXPECT_EQ(a, -1);
  EXPECT_EQ(antwort(drei, [] { klicken(requester1.knopf2); }), 0);
  a = antwort([] { return janeinrequester("Undo-Buffer empty\nnichts zu tun", "ok", nullptr); },
              [] {
                EXPECT_EQ(bild(), "50 704 262 850 | 132 736 180 768");
                klicken(638, 752);  // where the third button was
                klicken(requester1.x1 + 2, requester1.y1 + 2);
                EXPECT_TRUE(requester1.aktiv);
                klicken(requester1.knopf1);
              });
  EXPECT_EQ(a, 1);
}

TEST_F(RequesterTest, ThreeLinesBigFontAndSmallWindow) {
  antwort([] { return janeinrequester("a\nb\nc", "ok", nullptr); },
          [] { EXPECT_EQ(requester1.y2 - requester1.y1, 64 + 104); });
  requester1.grosserfont(2);
  antwort(atom_nummer, [] { EXPECT_EQ(bild(), "50 565 514 850 | 234 629 330 693"); });
  requester1.grosserfont(1);
  bildbreite = 200;
  bildhoehe = 100;
  int a = antwort(atom_nummer, [] {
    EXPECT_EQ(bild(), "0 0 200 100 | 94 32 142 64");
    klicken(requester1.knopf1);
  });
  EXPECT_EQ(a, 1);
  bildhoehe = 180;
  EXPECT_EQ(ecken(requester_box(236, 146)), "0 34 200 180");
}

TEST_F(RequesterTest, InputFieldLayoutAndEditing) {
  int nr = 5;
  int a = antwort([&nr] { return requester_input(1, "Atom-Nummer (0 - 21)", "%d", "%d", &nr); },
                  [] {
                    EXPECT_EQ(bild(),
                              "50 650 394 850 | 116 666 212 698 | 230 666 326 698 | "
                              "90 750 354 782");
                    const Gadget& g = requester1.gadget[0];
                    EXPECT_EQ(ecken(Rechteck{g.x3, g.y3, g.x4, g.y4}), "90 786 354 818");
                    EXPECT_STREQ(requester1.text, "      Input-Requester");
                    EXPECT_EQ(g.cursor, 1);
                    tippen("\b42\r");  // Return only moves the focus
                    EXPECT_TRUE(requester1.aktiv);
                    klicken(requester1.knopf1);
                  });
  EXPECT_EQ(a, 1);
  EXPECT_EQ(nr, 42);
}

TEST_F(RequesterTest, RowsOfFieldsAndTabCycles) {
  char name[80] = "C";
  double x = 1.5, y = 2.5, z = -1;
  auto frage = [&] {
    return requester_input(4, "Atom 3 (in Molekuel 0)", "%s", "%s\n", name, "Position x", "%12.6f",
                           "%lf", &x, "Position y", "%12.6f", "%lf", &y, "Position z", "%12.6f",
                           "%lf", &z);
  };
  int a = antwort(frage, [] {
    EXPECT_EQ(bild(),
              "50 570 634 850 | 196 586 292 618 | 390 586 486 618 | 66 750 354 782 | "
              "66 670 234 702 | 258 670 426 702 | 450 670 618 702");
    EXPECT_EQ(std::strlen(requester1.text), 31u);
    EXPECT_STREQ(requester1.gadget[1].eingabetext, "    1.500000");
    for (int i : {1, 2, 3, 0}) {
      taste(i % 2 ? 9 : 13);
      EXPECT_EQ(requester1.fokus(), i);
    }
    klicken(requester1.gadget[2]);
    klicken(requester1.x1 + 2, requester1.y2 - 2);
    EXPECT_EQ(requester1.fokus(), 2);
    tippen("5");
    klicken(requester1.knopf1);
  });
  EXPECT_EQ(a, 1);
  EXPECT_STREQ(name, "C");
  EXPECT_DOUBLE_EQ(x, 1.5);
  EXPECT_DOUBLE_EQ(y, 2.5000005);
}

TEST_F(RequesterTest, InputAtBigFont) {
  requester1.grosserfont(2);
  long nr = 7;
  antwort([&nr] { return requester_input(1, "Atom-Nummer (0 - 21)", "%ld", "%ld", &nr); },
          [] {
            EXPECT_EQ(bild(),
                      "50 458 730 850 | 180 490 372 554 | 406 490 598 554 | 126 654 654 718");
            tippen("1");
            klicken(requester1.knopf1);
          });
  EXPECT_EQ(nr, 71);
}

TEST_F(RequesterTest, CursorEditingAndAcceptedCharacters) {
  char text[80] = "abcd";
  antwort([&text] { return requester_input(1, "Name", "%s", "%s", text); },
          [] {
            const Gadget& g = requester1.gadget[0];
            requester1.spezial(100, 0, 0);
            requester1.spezial(100, 0, 0);
            tippen("X");
            EXPECT_STREQ(g.eingabetext, "abXcd");
            taste(8);
            requester1.spezial(111, 0, 0);
            EXPECT_STREQ(g.eingabetext, "acd");
            taste(127);
            taste(127);
            taste(8);
            requester1.spezial(100, 0, 0);
            EXPECT_STREQ(g.eingabetext, "cd");
            EXPECT_EQ(g.cursor, 0);
            for (int i = 0; i < 5; i++) requester1.spezial(102, 0, 0);
            EXPECT_EQ(g.cursor, 2);
            tippen("\xe4\xdf\a");
            klicken(requester1.knopf1);
          });
  EXPECT_STREQ(text, "cd\xe4");
  EXPECT_TRUE(myisprint(' ') && myisprint('~') && myisprint(196) && myisprint(252 + 256));
  EXPECT_FALSE(myisprint(31) || myisprint(127) || myisprint(223) || myisprint(0xA0));
}

TEST_F(RequesterTest, FieldsHoldAt79Characters) {
  char lang[120];
  std::memset(lang, 'a', 100);
  lang[100] = '\0';
  antwort([&lang] { return requester_input(1, "Text", "%s", "%s", lang); },
          [] {
            EXPECT_EQ(std::strlen(requester1.gadget[0].eingabetext), 79u);
            tippen("b");
            klicken(requester1.knopf1);
          });
  EXPECT_EQ(std::string(lang), std::string(79, 'a'));
}

TEST_F(RequesterTest, ValueThatDoesNotScanAndCancelChangeNothing) {
  int nr = 7;
  auto frage = [&nr] { return requester_input(1, "Nr", "%d", "%d", &nr); };
  EXPECT_EQ(antwort(frage,
                    [] {
                      tippen("\bab");
                      klicken(requester1.knopf1);
                    }),
            1);
  EXPECT_EQ(antwort(frage,
                    [] {
                      tippen("9");
                      klicken(requester1.knopf2);
                    }),
            0);
  EXPECT_EQ(antwort(frage, [] { tippen("9\x1b"); }), 0);
  EXPECT_EQ(nr, 7);
}

TEST_F(RequesterTest, TwentyOneFieldsShowTwenty) {
  int v[21] = {};
  auto frage = [&v] {
    return requester_input(
        21, "a", "%d", "%d", &v[0], "b", "%d", "%d", &v[1], "c", "%d", "%d", &v[2], "d", "%d", "%d",
        &v[3], "e", "%d", "%d", &v[4], "f", "%d", "%d", &v[5], "g", "%d", "%d", &v[6], "h", "%d",
        "%d", &v[7], "i", "%d", "%d", &v[8], "j", "%d", "%d", &v[9], "k", "%d", "%d", &v[10], "l",
        "%d", "%d", &v[11], "m", "%d", "%d", &v[12], "n", "%d", "%d", &v[13], "o", "%d", "%d",
        &v[14], "p", "%d", "%d", &v[15], "q", "%d", "%d", &v[16], "r", "%d", "%d", &v[17], "s",
        "%d", "%d", &v[18], "t", "%d", "%d", &v[19], "u", "%d", "%d", &v[20]);
  };
  std::string aus =
      ausgabe_von([&frage] { EXPECT_EQ(antwort(frage, [] { EXPECT_EQ(requester1.ng, 20); }), 0); });
  EXPECT_EQ(aus, "Fehler: zu viele Eingaben in requester_input(21...) auf 20 begrenzt\n");
}

TEST_F(RequesterTest, MessagesAndFileNameRespectTheirBuffers) {
  antwort([] { return myprints("kann \"%s\" nicht oeffnen.\n", "x.xyz"), 0; },
          [] {
            EXPECT_STREQ(requester1.text, "kann \"x.xyz\" nicht oeffnen.\n");
            EXPECT_STREQ(requester1.jatext, "ok");
          });
  antwort([] { return myprintd("ungueltige Molekuel-Nr: %d\n", -12345), 0; },
          [] { EXPECT_STREQ(requester1.text, "ungueltige Molekuel-Nr: -12345\n"); });
  std::string lang(5000, 'x');
  antwort([&lang] { return janeinrequester(lang.c_str(), lang.c_str(), nullptr); },
          [] {
            EXPECT_EQ(std::strlen(requester1.text), 3999u);
            EXPECT_EQ(std::strlen(requester1.jatext), 79u);
          });
  char puffer[32];
  std::memset(puffer, '#', sizeof puffer);
  std::strcpy(puffer, "abc");
  std::string aus = ausgabe_von([&puffer] {
    antwort([&puffer] { return nachfilenamefragen("Lade Molekuel", puffer, 8); },
            [] {
              tippen("defghij");
              klicken(requester1.knopf1);
            });
  });
  EXPECT_EQ(aus, "Provisorischer filename-Requester:\n");
  EXPECT_STREQ(puffer, "abcdefg");
  EXPECT_EQ(std::string(puffer + 8, 24), std::string(24, '#'));
}

TEST_F(RequesterTest, MainThreadCallIsRefused) {
  haupt_thread = std::this_thread::get_id();
  int nr = 3;
  std::string aus = ausgabe_von([&nr] {
    EXPECT_EQ(janeinrequester("x", "ok", nullptr), -1);
    EXPECT_EQ(requester_input(1, "Nr", "%d", "%d", &nr), 0);
  });
  haupt_thread = std::thread::id();
  std::string zeile =
      "Fehler: Requester im Hauptthread aufgerufen - abgelehnt, er wuerde das Programm anhalten\n";
  EXPECT_EQ(aus, zeile + zeile);
  EXPECT_FALSE(requester1.aktiv);
}

TEST_F(RequesterTest, WaitEndsWhenTheEventLoopHasEnded) {
  Aufruf a(atom_nummer);
  ASSERT_TRUE(a.offen);
  hauptschleife_beendet = true;
  EXPECT_EQ(a.ende(), -1);
  hauptschleife_beendet = false;
  EXPECT_FALSE(requester1.aktiv);
}

TEST_F(RequesterTest, EventsToAnInactiveRequesterAreIgnored) {
  requester1.set(1, 100, 100, "x", "ok", nullptr, nullptr, -1);
  requester1.reset();
  taste(13);
  klicken(requester1.knopf1);
  EXPECT_EQ(requester1.antwort, -2);
  requester1.set(1, 100, 100, "x", "ja", "nein", "weg", 1);
  taste(13);
  EXPECT_EQ(requester1.antwort, 1);
}

TEST(RequesterText, StringHelpers) {
  int nz = 0;
  EXPECT_EQ(strlen_zeile("ab\nabcd\n", &nz), 4);
  EXPECT_EQ(nz, 3);
  EXPECT_EQ(enthaelt("%lf\n", "lf"), 1);
  EXPECT_EQ(enthaelt("%lf", ""), 0);
  char ziel[16];
  strncpy_nocrlf(ziel, "%l\r\nf", 5);
  EXPECT_STREQ(ziel, "%l");
  char zeile[REQ_TEXTLAENGE];
  const char* rest = umbruch_zeile("abcdef\ngh", 4, zeile);
  EXPECT_STREQ(zeile, "abcd");
  rest = umbruch_zeile(umbruch_zeile(rest, 4, zeile), 4, zeile);
  EXPECT_STREQ(zeile, "gh");
  EXPECT_EQ(rest, nullptr);
}

}  // namespace
