// Keyboard and mouse input: routing to requester and menu bar, then the view's own actions.
#include "view/eingabe.h"

#include <cstdio>
#include <mutex>
#include <utility>

#include "model/tabellen.h"
#include "model/zustand.h"
#include "ui/fenster.h"
#include "ui/menu.h"
#include "ui/requester.h"
#include "view/befehle.h"
#include "view/kamera.h"
#include "view/szene.h"
#include "view/winkelmaus.h"

Intvektor maus_pos;
int maus_knopf = -1;
bool maus_movflag = false;

namespace {

enum Knopf { links = 0, mitte = 1, rechts = 2, rad_hin = 3, rad_weg = 4 };
enum Zustand { gedrueckt = 0, losgelassen = 1 };

// The drawing switches and the diagnostics of keys that are bound to nothing.
void ansicht_taste(unsigned char c, int x, int y) {
  switch (c) {
    case 'F': fadenkreuz = !fadenkreuz; break;
    case 'S': solidflag = !solidflag; break;
    case 'T': ambientflag = !ambientflag; break;
    case 'K': kugelskal = kugelskal <= 0.25 ? 1.0 : kugelskal - 0.25; break;
    case 'L': cylinderflag = !cylinderflag; break;
    case 'M': winkelmaus_taste(1); break;
    case 'N': winkelmaus_taste(2); break;
    default:
      if (c >= 32 && c <= 126)
        std::printf("key(c='%c',x=%d,y=%d)\n", c, x, y);
      else
        std::printf("key(c=%d=0x%02X,x=%d,y=%d)\n", c, c, x, y);
  }
}

void ansicht_spezial(int taste, int x, int y) {
  switch (taste) {
    case 100: kamera_drehen(1, +1); break;  // arrows
    case 102: kamera_drehen(1, -1); break;
    case 101: kamera_drehen(0, +1); break;
    case 103: kamera_drehen(0, -1); break;
    case 104: kamera_drehen(2, +1); break;  // page up, page down
    case 105: kamera_drehen(2, -1); break;
    case 112:  // left and right Shift
    case 113: edit_modus ^= 256; break;
    case 106:  // Home
      if (edit_modus != 1) {
        kamera_reset();
        break;
      }
      [[fallthrough]];
    default: std::printf("spezial(key=%d,x=%d,y=%d)\n", taste, x, y);
  }
}

void ansicht_mausknopf(int button, int state, int x, int y) {
  static int x0 = 0, y0 = 0;
  if (button == links && state == gedrueckt) {
    x0 = x;
    y0 = y;
  }
  if (button == links && state == losgelassen && x - x0 <= 1 && x0 - x <= 1 && y - y0 <= 1 && y0 - y <= 1) {
    atomklick(x, y);
    maus_knopf = -1;
    return;
  }
  if (button <= rechts) {
    if (state == losgelassen) {
      maus_knopf = -1;
    } else {
      maus_pos = Intvektor(x, y);
      maus_knopf = button;
      maus_movflag = false;
    }
  } else if (state == gedrueckt) {
    kamera_zoomen(button);
  }
}

// One turn of the camera per moved component, in the direction against the mouse.
void drehen_links(Intvektor d, Intvektor schritte) {
  if (schritte.x) kamera_drehen(1, d.x < 0 ? +1 : -1);
  if (schritte.y) kamera_drehen(0, d.y < 0 ? +1 : -1);
}

// A roll that follows a circular motion around the window centre.
void drehen_mitte(Intvektor d, Intvektor schritte, int x, int y) {
  if (schritte.x) {
    int h = y < bildhoehe / 2 ? -1 : +1;
    kamera_drehen(2, d.x >= 0 ? -h : h);
  }
  if (schritte.y) {
    int h = x < bildbreite / 2 ? +1 : -1;
    kamera_drehen(2, d.y >= 0 ? -h : h);
  }
}

void schieben_rechts(Intvektor d, Intvektor schritte) {
  if (schritte.x) szene_schieben(d.x * DX * vektorkreuzprodukt(eye - cent, up).einheitsvektor());
  if (schritte.y) szene_schieben(d.y * DY * up);
}

void ansicht_mausmotion(int x, int y) {
  if (maus_knopf < links || maus_knopf > rechts) return;
  Intvektor d(x, y);
  d -= maus_pos;
  Intvektor schritte = d;
  schritte /= maus_knopf == rechts ? 5 : 2;
  if (!schritte.x && !schritte.y) return;
  maus_pos = Intvektor(x, y);
  if (winkelmausflag && maus_knopf != rechts)
    winkelmaus_schritt(d, maus_knopf, !std::exchange(maus_movflag, true));
  else if (maus_knopf == links)
    drehen_links(d, schritte);
  else if (maus_knopf == mitte)
    drehen_mitte(d, schritte, x, y);
  else
    schieben_rechts(d, schritte);
}

}  // namespace

void key(unsigned char c, int x, int y) {
  if (requester1.aktiv)
    requester1.key(c, x, y);
  else if (menu.aktiv)
    menu.key(c, x, y);
  else if (unsigned char gross = c >= 'a' && c <= 'z' ? c - 32 : c; !befehlstaste(gross))
    ansicht_taste(gross, x, y);
  neu_zeichnen();
}

void spezial(int taste, int x, int y) {
  if (requester1.aktiv)
    requester1.spezial(taste, x, y);
  else if (menu.aktiv)
    menu.spezial(taste, x, y);
  else
    ansicht_spezial(taste, x, y);
  neu_zeichnen();
}

void mausknopf(int button, int state, int x, int y) {
  if (requester1.aktiv)
    requester1.mausknopf(button, state, x, y);
  else if (menu.aktiv || (button == links && state == gedrueckt && y < menu.balkenhoehe()))
    menu.mausknopf(button, state, x, y);
  else
    ansicht_mausknopf(button, state, x, y);
  neu_zeichnen();
}

void mausmotion(int x, int y) {
  if (requester1.aktiv)
    requester1.mausmotion(x, y);
  else if (menu.aktiv)
    menu.mausmotion(x, y);
  else
    ansicht_mausmotion(x, y);
  neu_zeichnen();
}

void mausmotion2(int x, int y) {
  if (requester1.aktiv)
    requester1.mausmotionpassiv(x, y);
  else if (menu.aktiv)
    menu.mausmotionpassiv(x, y);
  else
    return;
  neu_zeichnen();
}
