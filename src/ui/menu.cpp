// The menu bar's table, layout and mouse handling, and the menu thread's polling loop.
// Nothing here draws; the drawing and the GLUT loop are in menu_gl.cpp.
#include "ui/menu.h"

#include <unistd.h>

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "text/schrift.h"

Menu mainmenu[MENU_ZELLEN];
Menu submenu[MENU_ZELLEN];
char MENU_FONTSTRING[32] = "12x16";
std::atomic<std::thread::id> haupt_thread{std::thread::id()};
std::atomic<bool> hauptschleife_beendet{false};
Menubalken menu;

bool im_hauptthread() { return std::this_thread::get_id() == haupt_thread.load(); }

const char* schriftname(char* name) {
  if (name[0] == '\0') std::snprintf(name, 32, "%dx%d", MEN_X, MEN_Y);
  return name;
}

void Menu::settext(const char* t) { std::snprintf(text, sizeof text, "%s", t ? t : ""); }

namespace {

// Fills one row from cell `erste` on: texts first, then handlers, as setmenu receives them.
void zeile_fuellen(int erste, int n, int spalten, va_list args) {
  for (int i = 0; i < spalten; i++) mainmenu[erste + i] = Menu();
  for (int i = 0; i < n; i++) {
    const char* t = va_arg(args, const char*);
    if (i < spalten) mainmenu[erste + i].settext(t);
  }
  for (int i = 0; i < n; i++) {
    funkzeiger f = va_arg(args, funkzeiger);
    if (i < spalten) mainmenu[erste + i].fun = f;
  }
}

}  // namespace

void Menubalken::setmenu(int n, ...) {
  if (n <= 0) {
    reset();
    return;
  }
  int zellen = anzahl == 0 ? n : anzahl;  // a later row always takes a whole row of cells
  if (imax + zellen > MENU_ZELLEN) {
    std::puts("maximale Menu-Anzahl ueberschritten");
    return;
  }
  va_list args;
  va_start(args, n);
  if (anzahl == 0) {
    for (int i = 0; i < n; i++) mainmenu[i].settext(va_arg(args, const char*));
    anzahl = n;
  } else {
    zeile_fuellen(imax, n, anzahl, args);
  }
  va_end(args);
  imax += zellen;
}

void Menubalken::setsubmenu(int n, ...) { std::printf("setsubmenu(n=%d, ...)  noch nicht ausprogrammiert!\n", n); }

void Menubalken::grosserfont(int n) {
  bigfont = n;
  menupos[1] = 0;
  status = 0;
  aktiv = false;
}

void Menubalken::reset() {
  status = 0;
  menupos[1] = 0;
  aktiv = false;
  start_run = false;
  start_runfz = false;
  stopflag = 0;
}

void Menubalken::deaktivieren() {
  status = 0;
  aktiv = false;
}

int Menubalken::balkenhoehe() const { return 23 * bigfont; }

int Menubalken::zeilenhoehe() const { return 48 * bigfont / 2; }

int Menubalken::spalten() const { return std::min(anzahl, MENU_MAXSPALTEN); }

int Menubalken::spalten_laenge(int k) const {
  if (anzahl <= 0) return 0;
  int r = 1;
  while (r * anzahl + k < MENU_ZELLEN && mainmenu[r * anzahl + k].text[0] != '\0') r++;
  return r - 1;
}

void Menubalken::layout() {
  menupos[0] = 4;
  for (int j = 0; j < anzahl; j++) {
    if (j + 1 > MENU_MAXSPALTEN)
      std::puts("zu viele Menupunkte");
    else
      menupos[j + 1] = menupos[j] + MEN_X * bigfont * (int(std::strlen(mainmenu[j].text)) + 2);
  }
  for (int j = 0; j < spalten(); j++) {
    int w = 0, n = spalten_laenge(j);
    for (int r = 1; r <= n; r++) w = std::max(w, int(std::strlen(mainmenu[r * anzahl + j].text)));
    menubreite[j] = w == 0 ? 0 : MEN_X * bigfont * (w + 1);
  }
}

int Menubalken::spalte_bei(int x) const {
  int j = 0;
  while (j < spalten() && x > menupos[j + 1]) j++;
  return j;
}

int Menubalken::zeile_bei(int y) const { return (y - (balkenhoehe() + 1)) / zeilenhoehe() + 1; }

bool Menubalken::ist_maus_weg(int, int y) const { return y > 320 * bigfont; }

void Menubalken::aktivieren(int x, int y) {
  if (menupos[1] == 0) layout();
  if (y < balkenhoehe()) {
    int j = spalte_bei(x);
    if (j < spalten()) aufklapper = j;
    aktiv = true;
    if (status == 0) status = 1;
    if (status == 3) status = 2;
  } else if (status >= 2) {
    int k = aufklapper;
    if (menupos[k] < x && x < menupos[k] + menubreite[k]) {
      // Only the entries drawn can be marked; rows below the column's end are empty.
      int r = zeile_bei(y);
      bool eintrag = r >= 1 && r <= spalten_laenge(k);
      if (eintrag) mark = r * anzahl + k;
      status = eintrag ? 3 : 2;
    } else {
      status = 2;
    }
  }
}

void Menubalken::klick(int x, int y, int state) {
  if (!aktiv) {
    aktivieren(x, y);
    return;
  }
  if (state == 1) {
    if (status == 3 && y > balkenhoehe() + 1) {
      start_run = true;
      usleep(20000);  // two polling periods: the handler can open its requester before the redraw
    }
    return;
  }
  if (status > 2 && y > balkenhoehe()) return;
  aufklapper = spalte_bei(x);
  status = aufklapper < spalten() ? 2 : 1;
}

void Menubalken::mausknopf(int button, int state, int x, int y) {
  if (button == 0)
    klick(x, y, state);
  else
    mausmotion(x, y);
}

void Menubalken::mausmotion(int x, int y) {
  if (status != 0) {
    if (ist_maus_weg(x, y))
      deaktivieren();
    else
      aktivieren(x, y);
  } else if (y < balkenhoehe() && anzahl > 0) {
    aktivieren(x, y);
  }
}

void Menubalken::mausmotionpassiv(int x, int y) { mausmotion(x, y); }

void Menubalken::key(unsigned char, int, int) {}

void Menubalken::spezial(int, int, int) {}

void Menubalken::mtextsize() const { textsize(MEN_X * bigfont, MEN_Y * bigfont, schriftname(MENU_FONTSTRING), 0); }

void Menubalken::loop() {
  while (stopflag == 0) {
    if (start_run.exchange(false)) run(), erledigt++;
    if (start_runfz.exchange(false)) runfz(), erledigt++;
    usleep(10000);
  }
}

void Menubalken::run() {
  deaktivieren();
  int zelle = mark;
  // An entry without a handler closes the bar and does nothing else.
  if (zelle >= 0 && zelle < MENU_ZELLEN && mainmenu[zelle].fun) mainmenu[zelle].fun(zelle);
}

void Menubalken::runfz() {
  deaktivieren();
  funkzeiger f = fz;
  if (f) f(1);
}

void Menubalken::run(funkzeiger z) {
  fz = z;
  start_runfz = true;
  usleep(20000);
}

void Menubalken::stop_loop() { stopflag = 1; }
