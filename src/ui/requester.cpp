// The requester widget: its box, buttons and input fields, and the event methods through which the
// main thread feeds it keys and clicks until it is answered. Nothing here draws or waits; the
// drawing is in requester_gl.cpp, the dialogs that fill and wait for it in dialoge.cpp.
#include "ui/requester.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "ui/fenster.h"
#include "ui/zeichenketten.h"

char REQ_FONTSTRING[32] = "12x16";
Requester requester1;

Rechteck requester_box(int br, int ho) {
  int breite = bildbreite, hoehe = bildhoehe;
  Rechteck b;
  b.x1 = breite < br + 50 ? 0 : 50;
  b.y2 = hoehe - 50 < ho ? hoehe : hoehe - 50;
  b.x2 = std::min(b.x1 + br, breite);
  b.y1 = std::max(b.y2 - ho, 0);
  return b;
}

void Knopf::set(int xa, int ya, int b, int h) {
  x1 = xa;
  y1 = ya;
  x2 = xa + b;
  y2 = ya + h;
}

bool Knopf::klick(int x, int y) const { return x1 < x && x < x2 && y1 < y && y < y2; }

void Gadget::set(int xa, int ya, int b, int h, int bf) {
  x1 = xa;
  y1 = ya;
  x2 = xa + b;
  y2 = ya + h;
  x3 = xa;
  y3 = ya + h + 4 * bf;
  x4 = xa + b;
  y4 = ya + 2 * h + 4 * bf;
  cursor = int(std::strlen(eingabetext));
  aktiv = 0;
}

bool Gadget::klick(int x, int y) const { return x1 < x && x < x2 && y1 < y && y < y2; }

void Gadget::key(unsigned char c) {
  int n = int(std::strlen(eingabetext));
  cursor = std::clamp(cursor, 0, n);
  if (c == 8 || c == 127) {
    if (cursor == 0) return;
    std::memmove(eingabetext + cursor - 1, eingabetext + cursor, n - cursor + 1);
    cursor--;
  } else if (myisprint(c) && n < REQ_FELDTEXT - 1) {
    std::memmove(eingabetext + cursor + 1, eingabetext + cursor, n - cursor + 1);
    eingabetext[cursor++] = char(c);
  }
}

void Gadget::spezial(int c) {
  if (c == 100 && cursor > 0) cursor--;
  if (c == 102 && cursor < int(std::strlen(eingabetext))) cursor++;
  if (c == 111) key(127);
}

// A text field takes the whole text, cut to its buffer; any other value is scanned, a decimal
// comma read as a point, and a text that does not scan leaves the variable as it was.
void Gadget::save() const {
  if (!enthaelt(cstr, "s")) {
    char zahl[REQ_FELDTEXT];
    std::snprintf(zahl, sizeof zahl, "%s", eingabetext);
    std::replace(zahl, zahl + std::strlen(zahl), ',', '.');
    std::sscanf(zahl, cstr, pdata);
    return;
  }
  if (textmax < 1) return;
  int n = std::min(int(std::strlen(eingabetext)), textmax - 1);
  char* ziel = static_cast<char*>(pdata);
  std::memcpy(ziel, eingabetext, n);
  ziel[n] = '\0';
}

void Requester::set(int t, Rechteck box, const char* txt, const char* ja, const char* nein, const char* canc, int pre) {
  typ = t;
  std::snprintf(text, sizeof text, "%s", txt ? txt : "");
  std::snprintf(jatext, sizeof jatext, "%s", ja ? ja : "ok");
  std::snprintf(neintext, sizeof neintext, "%s", nein ? nein : "");
  std::snprintf(canceltext, sizeof canceltext, "%s", canc ? canc : "");
  preselect = canc ? 3 : nein ? 2 : 1;
  if (pre >= 0) preselect = pre;
  x1 = box.x1;
  y1 = box.y1;
  x2 = box.x2;
  y2 = box.y2;
  antwort = -2;
  aktiv = true;
}

void Requester::select(int a) {
  if (a == 100) {
    if (preselect < 1 || preselect > 3) return;
    a = 2 - preselect;
  }
  if (a == 1 && typ == 2)
    for (int i = 0; i < ng; i++) gadget[i].save();
  // The answer comes last: the waiting thread may open the next requester as soon as it sees it.
  aktiv = false;
  antwort = a;
}

void Requester::klick(int x, int y) {
  if (jatext[0] && knopf1.klick(x, y)) {
    select(1);
  } else if (neintext[0] && knopf2.klick(x, y)) {
    select(0);
  } else if (canceltext[0] && knopf3.klick(x, y)) {
    select(-1);
  } else if (typ == 2) {
    for (int i = 0; i < ng; i++)
      if (gadget[i].klick(x, y)) {
        fokus_setzen(i);
        return;
      }
  }
}

int Requester::fokus() const {
  for (int i = 0; i < ng; i++)
    if (gadget[i].aktiv) return i;
  return -1;
}

void Requester::fokus_setzen(int i) {
  for (int j = 0; j < ng; j++) gadget[j].aktiv = j == i;
}

void Requester::reset() { aktiv = false; }

void Requester::grosserfont(int n) { bigfont = n; }

void Requester::key(unsigned char c, int, int) {
  if (!aktiv) return;
  if (c == 27) {
    select(-1);
  } else if (typ == 1) {
    if (c == 13) select(100);
  } else if (typ == 2) {
    int i = fokus();
    if (c == 9 || c == 13) {
      if (ng > 0) fokus_setzen((i + 1) % ng);
    } else if (i >= 0) {
      gadget[i].key(c);
    }
  }
}

void Requester::spezial(int c, int, int) {
  if (!aktiv || typ != 2) return;
  int i = fokus();
  if (i >= 0) gadget[i].spezial(c);
}

void Requester::mausknopf(int button, int state, int x, int y) {
  if (aktiv && button == 0 && state == 0) klick(x, bildhoehe - y);
}

void Requester::mausmotion(int, int) {}

void Requester::mausmotionpassiv(int, int) {}
