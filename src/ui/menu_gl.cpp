// The main loop, the GLUT event loop on the main thread with the menu thread beside it, and the
// drawing of the menu bar.
//
// What runs where:
// - The main thread runs start-up and then the GLUT event loop: drawing (view/grafik_gl.cpp), the
//   input callbacks (view/eingabe.cpp), which route every event to an open requester first, then to
//   the menu bar, then to the view: picking, the camera, the angle drag, and the commands a key runs
//   at once (key A's bond length, Delete, ESC); and one relaxation step per frame (shake_bild). It
//   never waits for the user.
// - The menu thread runs Menubalken::loop below: every 10 ms it runs the handler of a picked entry
//   (start_run), or the one a key handed over with menu.run (start_runfz), with an id other than 0.
//   The handlers (edit/, m_shake) may wait there in a dialog (ui/dialoge.h) until the main thread
//   has stored the answer. It never draws or calls GLUT; a timer of the main thread shows its changes.
// - Both share the atom, bond and molecule tables, the selection and the undo log: the lock
//   tabellen_sperre guards them, and the drawing, the picking and every change take it, never while
//   waiting in a dialog or sleeping. The requester's answer, the menu bar's requests and the modes
//   of model/zustand.h are atomics.
#include <GL/freeglut.h>

#include "text/schrift.h"
#include "ui/fenster.h"
#include "ui/flaeche.h"
#include "ui/menu.h"

namespace {

void glColor_menugrau() { glColor3d(0.75, 0.75, 0.75); }

void glColor_hellblau() { glColor3d(0.2, 0.65, 0.8); }

}  // namespace

// Everything sits at one depth with the depth test on: what is drawn first stays in front,
// so every text comes before the area behind it.
void Menubalken::zeichnen() const {
  int h = bildhoehe, w = bildbreite, b = balkenhoehe();
  mtextsize();
  if (aktiv && status > 1) aufgeklapptes_zeichnen();
  glColor3d(1, 1, 1);
  flaeche(0, h - 2, w, h);
  flaeche(0, h - b, 2, h);
  glColor3d(0.4, 0.4, 0.4);
  flaeche(0, h - b, w, h - b + 2);
  anschreiben(4, h - b + 3);
  glColor_menugrau();
  flaeche(2, h - b + 2, w - 2, h - 2);
}

void Menubalken::anschreiben(int x, int y) const {
  int s = status;
  for (int j = 0; j < spalten(); j++) {
    glColor3d(0, 0, 0);
    schrift(x + menupos[j], y, mainmenu[j].text, 0);
    if ((s == 1 || s == 2) && j == aufklapper) {
      glColor_hellblau();
      flaeche(x + menupos[j], y, x + menupos[j + 1] - 1, y + balkenhoehe());
    }
  }
}

void Menubalken::aufgeklapptes_zeichnen() const {
  int k = aufklapper, ho = zeilenhoehe(), markiert = status > 2 ? int(mark) : -1;
  int oben = bildhoehe - balkenhoehe(), n = spalten_laenge(k);
  for (int r = 1; r <= n; r++, oben -= ho) {
    int zelle = r * anzahl + k;
    glColor3d(0, 0, 0);
    schrift(menupos[k] + 4, oben - ho + 3, mainmenu[zelle].text, 0);
    if (zelle == markiert)
      glColor_hellblau();
    else
      glColor_menugrau();
    flaeche(menupos[k], oben, menupos[k] + menubreite[k], oben - ho);
  }
}

void Menubalken::start_loop(int nr) {
  if (nr != 0) {
    loop();
    return;
  }
  // Closing the window returns from the loop, so that the menu thread can be ended and joined.
  glutSetOption(GLUT_ACTION_ON_WINDOW_CLOSE, GLUT_ACTION_GLUTMAINLOOP_RETURNS);
  glutMainLoop();
}

void Menubalken::startMainLoop() {
  haupt_thread = std::this_thread::get_id();
  std::thread menu_thread(&Menubalken::start_loop, this, 1);
  start_loop(0);
  hauptschleife_beendet = true;
  stop_loop();
  menu_thread.join();
}
