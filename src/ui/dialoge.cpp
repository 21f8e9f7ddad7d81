// The dialogs of the menu thread: each lays out the requester, fills and activates it, and waits
// until the main thread has stored the user's answer.
#include "ui/dialoge.h"

#include <unistd.h>

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <vector>

#include "ui/menu.h"
#include "ui/requester.h"
#include "ui/zeichenketten.h"

namespace {

// Polls every 10 ms until the user has answered; the answer, or Escape once the event loop has ended.
int antwort_abwarten(Requester& r) {
  for (;;) {
    int a = r.antwort;
    if (a != -2) return a;
    if (hauptschleife_beendet) {
      r.aktiv = false;
      return -1;
    }
    usleep(10000);
  }
}

// A blocking call on the event-loop thread would wait for events that can never come.
bool im_hauptthread_abgelehnt() {
  if (!im_hauptthread()) return false;
  std::puts("Fehler: Requester im Hauptthread aufgerufen - abgelehnt, er wuerde das Programm anhalten");
  return true;
}

int knopflaenge(const char* t) { return t ? std::min(int(std::strlen(t)), REQ_KNOPFTEXT - 1) : 0; }

// Buttons of width br and height ho, centred at w/(n+1), 2w/(n+1), ... of the box.
void knoepfe_setzen(Requester& r, Rechteck box, int w, int br, int ho, bool nein, bool canc) {
  Knopf* knoepfe[3];
  int n = 0;
  knoepfe[n++] = &r.knopf1;
  if (nein) knoepfe[n++] = &r.knopf2;
  if (canc) knoepfe[n++] = &r.knopf3;
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

Eingabemass eingabe_mass(const Requester& r, int bf) {
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

void felder_setzen(Requester& r, Rechteck box, Eingabemass m, int bf) {
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
int eingabe_requester(Requester& r, int textmax, int n, va_list args) {
  if (im_hauptthread_abgelehnt()) return 0;
  if (n > REQ_GADGETS) {
    std::printf("Fehler: zu viele Eingaben in requester_input(%d...) auf %d begrenzt\n", n, REQ_GADGETS);
    n = REQ_GADGETS;
  }
  r.ng = std::max(n, 0);
  for (int i = 0; i < r.ng; i++) {
    const char* label = va_arg(args, const char*);
    const char* anzeige = va_arg(args, const char*);
    const char* scan = va_arg(args, const char*);
    feld_vorbereiten(r.gadget[i], label, anzeige, scan, va_arg(args, void*), textmax);
  }
  int bf = r.bigfont;
  Eingabemass m = eingabe_mass(r, bf);
  Rechteck box = requester_box(m.breite, m.hoehe);
  int links = box.x1 + m.breite / 3 - 48 * bf;
  r.knopf1.set(links, box.y1 + 16 * bf, 96 * bf, 32 * bf);
  r.knopf2.set(links + m.breite / 3, box.y1 + 16 * bf, 96 * bf, 32 * bf);
  felder_setzen(r, box, m, bf);
  int t = std::min(m.breite / (REQ_X * bf), 78);
  t = (t - 15) / 2 + 15;
  char titel[80];
  std::snprintf(titel, sizeof titel, "%*.*s", t, t, "Input-Requester");
  r.set(2, box, titel, "  ok  ", "Cancel", nullptr, 0);
  return antwort_abwarten(r) == 1 ? 1 : 0;
}

int eingabe_mit_grenze(int textmax, int n, ...) {
  va_list args;
  va_start(args, n);
  int ergebnis = eingabe_requester(requester1, textmax, n, args);
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
  knoepfe_setzen(r, box, w, br, ho, neintext != nullptr, canceltext != nullptr);
  r.set(1, box, text, jatext, neintext, canceltext, -1);
  return antwort_abwarten(r);
}

int requester_input(int n, ...) {
  va_list args;
  va_start(args, n);
  int ergebnis = eingabe_requester(requester1, REQ_FELDTEXT, n, args);
  va_end(args);
  return ergebnis;
}

void myprints(const char* format, const char* text) { melden(format, std::strlen(text) + 16, text); }

void myprintd(const char* format, int n) { melden(format, 32, n); }

int nachfilenamefragen(const char* fragetext, char* name, int max) {
  std::puts("Provisorischer filename-Requester:");
  return eingabe_mit_grenze(max, 1, fragetext, "%s", "%s", name);
}
