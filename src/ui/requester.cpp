// Requesters: layout, the event methods of the main thread, the blocking calls of the menu
// thread and the string helpers. Nothing here draws; the drawing is in requester_gl.cpp.
#include "ui/requester.h"

#include <unistd.h>

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <vector>

#include "ui/fenster.h"
#include "ui/menu.h"

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

// The wait ends with the user's answer, or as Escape once the event loop has ended.
int Requester::warten() {
  for (;;) {
    int a = antwort;
    if (a != -2) return a;
    if (hauptschleife_beendet) {
      aktiv = false;
      return -1;
    }
    usleep(10000);
  }
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

namespace {

// A blocking call on the event-loop thread would wait for events that can never come.
bool im_hauptthread_abgelehnt() {
  if (!im_hauptthread()) return false;
  std::puts("Fehler: Requester im Hauptthread aufgerufen - abgelehnt, er wuerde das Programm anhalten");
  return true;
}

int knopflaenge(const char* t) { return t ? std::min(int(std::strlen(t)), REQ_KNOPFTEXT - 1) : 0; }

// Buttons of width br and height ho, centred at w/(n+1), 2w/(n+1), ... of the box.
void knoepfe_setzen(Rechteck box, int w, int br, int ho, bool nein, bool canc) {
  Knopf* knoepfe[3];
  int n = 0;
  knoepfe[n++] = &requester1.knopf1;
  if (nein) knoepfe[n++] = &requester1.knopf2;
  if (canc) knoepfe[n++] = &requester1.knopf3;
  for (int i = 0; i < n; i++) knoepfe[i]->set(box.x1 + w * (i + 1) / (n + 1) - br / 2, box.y1 + ho, br, ho);
}

void wert_anzeigen(char* ziel, const char* format, void* adresse) {
  if (enthaelt(format, "s"))
    std::snprintf(ziel, REQ_FELDTEXT, format, static_cast<const char*>(adresse));
  else if (enthaelt(format, "ld"))
    std::snprintf(ziel, REQ_FELDTEXT, format, *static_cast<long*>(adresse));
  else if (enthaelt(format, "d"))
    std::snprintf(ziel, REQ_FELDTEXT, format, *static_cast<int*>(adresse));
  else
    std::snprintf(ziel, REQ_FELDTEXT, format, *static_cast<double*>(adresse));
}

void feld_vorbereiten(Gadget& g, const char* label, const char* anzeige, const char* scan, void* adresse, int textmax) {
  g.fragetext = label ? label : "";
  strncpy_nocrlf(g.cstr, scan, sizeof g.cstr);
  g.umbruchflag = std::strchr(scan, '\n') != nullptr;
  g.pdata = adresse;
  g.textmax = textmax;
  wert_anzeigen(g.eingabetext, anzeige, adresse);
}

int feld_zeichen(const Gadget& g) { return int(std::max(std::strlen(g.eingabetext), std::strlen(g.fragetext))); }

struct Eingabemass {
  int breite, hoehe;
  int block;  // width of the fields' widest row
};

Eingabemass eingabe_mass(int bf) {
  const Requester& r = requester1;
  int k = 0, zeile = 0, hoehe = 0;
  for (int i = 0; i < r.ng; i++) {
    bool ende = r.gadget[i].umbruchflag || i == r.ng - 1;
    zeile += feld_zeichen(r.gadget[i]) + 2 + (ende ? 0 : 2);
    k = std::max(k, zeile);
    if (ende) {
      zeile = 0;
      hoehe += 80 * bf;
    }
  }
  int block = REQ_X * bf * k;
  k = std::max(k, 26);  // room for the title "Input-Requester" and the two buttons
  return {REQ_X * bf * (k + 2) + 8, hoehe + 112 * bf + 8, block};
}

void felder_setzen(Rechteck box, Eingabemass m, int bf) {
  Requester& r = requester1;
  int x0 = box.x1 + (m.breite - m.block) / 2, x = x0, y = box.y2 - 96 * bf - 4;
  for (int i = 0; i < r.ng; i++) {
    Gadget& g = r.gadget[i];
    int w = (feld_zeichen(g) + 2) * REQ_X * bf;
    g.set(x, y, w, 32 * bf, bf);
    if (g.umbruchflag) {
      x = x0;
      y -= 80 * bf;
    } else {
      x += w + 24 * bf;
    }
  }
  r.fokus_setzen(0);
}

// The input requester behind requester_input; a "%s" field writes at most textmax - 1
// characters back.
int eingabe_requester(int textmax, int n, va_list args) {
  if (im_hauptthread_abgelehnt()) return 0;
  if (n > REQ_GADGETS) {
    std::printf("Fehler: zu viele Eingaben in requester_input(%d...) auf %d begrenzt\n", n, REQ_GADGETS);
    n = REQ_GADGETS;
  }
  Requester& r = requester1;
  r.ng = std::max(n, 0);
  for (int i = 0; i < r.ng; i++) {
    const char* label = va_arg(args, const char*);
    const char* anzeige = va_arg(args, const char*);
    const char* scan = va_arg(args, const char*);
    feld_vorbereiten(r.gadget[i], label, anzeige, scan, va_arg(args, void*), textmax);
  }
  int bf = r.bigfont;
  Eingabemass m = eingabe_mass(bf);
  Rechteck box = requester_box(m.breite, m.hoehe);
  int links = box.x1 + m.breite / 3 - 48 * bf;
  r.knopf1.set(links, box.y1 + 16 * bf, 96 * bf, 32 * bf);
  r.knopf2.set(links + m.breite / 3, box.y1 + 16 * bf, 96 * bf, 32 * bf);
  felder_setzen(box, m, bf);
  int t = std::min(m.breite / (REQ_X * bf), 78);
  t = (t - 15) / 2 + 15;
  char titel[80];
  std::snprintf(titel, sizeof titel, "%*.*s", t, t, "Input-Requester");
  r.set(2, box, titel, "  ok  ", "Cancel", nullptr, 0);
  return r.warten() == 1 ? 1 : 0;
}

int eingabe_mit_grenze(int textmax, int n, ...) {
  va_list args;
  va_start(args, n);
  int ergebnis = eingabe_requester(textmax, n, args);
  va_end(args);
  return ergebnis;
}

template <typename T>
void melden(const char* format, std::size_t platz, T wert) {
  std::vector<char> puffer(std::strlen(format) + platz);
  std::snprintf(puffer.data(), puffer.size(), format, wert);
  janeinrequester(puffer.data(), "ok", nullptr);
}

}  // namespace

int janeinrequester(const char* text, const char* jatext, const char* neintext) {
  return janeinrequester3(text, jatext, neintext, nullptr);
}

int janeinrequester3(const char* text, const char* jatext, const char* neintext, const char* canceltext) {
  if (im_hauptthread_abgelehnt()) return -1;
  Requester& r = requester1;
  int bf = r.bigfont, z = 1;
  int l = strlen_zeile(text ? text : "", &z);
  int m = std::max({knopflaenge(jatext ? jatext : "ok"), knopflaenge(neintext), knopflaenge(canceltext)});
  int br = REQ_X * bf * (m + 2), ho = 32 * bf;
  int w = std::max(REQ_X * bf * l, 3 * br + 4);
  if (canceltext) w = std::max(w, 4 * br + 8);
  w += 8;
  int h = (64 * bf * std::max(z, 2)) / 3 + 3 * ho + 8;
  Rechteck box = requester_box(w, h);
  knoepfe_setzen(box, w, br, ho, neintext != nullptr, canceltext != nullptr);
  r.set(1, box, text, jatext, neintext, canceltext, -1);
  return r.warten();
}

int requester_input(int n, ...) {
  va_list args;
  va_start(args, n);
  int ergebnis = eingabe_requester(REQ_FELDTEXT, n, args);
  va_end(args);
  return ergebnis;
}

void myprints(const char* format, const char* text) { melden(format, std::strlen(text) + 16, text); }

void myprintd(const char* format, int n) { melden(format, 32, n); }

int nachfilenamefragen(const char* fragetext, char* name, int max) {
  std::puts("Provisorischer filename-Requester:");
  return eingabe_mit_grenze(max, 1, fragetext, "%s", "%s", name);
}

int strlen_zeile(const char* s, int* nz) {
  int laengste = 0, laenge = 0;
  *nz = 1;
  for (; *s; s++) {
    if (*s == '\n') {
      (*nz)++;
      laenge = 0;
    } else {
      laengste = std::max(laengste, ++laenge);
    }
  }
  return laengste;
}

int enthaelt(const char* s, const char* t) { return t[0] != '\0' && std::strstr(s, t) ? 1 : 0; }

void strncpy_nocrlf(char* to, const char* from, int max) {
  if (max < 1) return;
  int j = 0;
  for (int i = 0; from[i] != '\0' && i < max - 1; i++)
    if (from[i] != '\r' && from[i] != '\n') to[j++] = from[i];
  to[j] = '\0';
}

bool myisprint(int c) {
  c &= 0xff;
  return (c >= 32 && c <= 126) || c == 196 || c == 214 || c == 220 || c == 228 || c == 246 || c == 252;
}

const char* umbruch_zeile(const char* text, int br, char* zeile) {
  br = std::clamp(br, 1, REQ_TEXTLAENGE - 1);
  int i = 0;
  for (; text[i] != '\0' && text[i] != '\n' && i < br; i++) zeile[i] = text[i];
  zeile[i] = '\0';
  if (text[i] == '\n') return text + i + 1;
  return text[i] == '\0' ? nullptr : text + i;
}
