// Drawing of the requester: message, buttons and input fields over the scene.
#include <GL/gl.h>

#include "text/schrift.h"
#include "ui/flaeche.h"
#include "ui/menu.h"
#include "ui/requester.h"
#include "ui/zeichenketten.h"

// Everything sits at one depth with the depth test on: what is drawn first stays in front,
// so every text comes before the area behind it.
void Requester::zeichnen() const {
  int bf = bigfont;
  textsize(REQ_X * bf, REQ_Y * bf, schriftname(REQ_FONTSTRING), 0);
  glColor3d(0, 0, 0);
  schrift_umbruch(x1 + REQ_RAND, y2 - REQ_Y * bf - REQ_RAND, text, (x2 - x1 - 2 * REQ_RAND) / (REQ_X * bf),
                  64 * bf / 3);
  if (jatext[0]) knopf1.zeichnen(jatext, preselect == 1, bf);
  if (neintext[0]) knopf2.zeichnen(neintext, preselect == 2, bf);
  if (canceltext[0]) knopf3.zeichnen(canceltext, preselect == 3, bf);
  if (typ == 2)
    for (int i = 0; i < ng; i++) gadget[i].zeichnen(bf);
  glColor3d(0.8, 0.8, 0.8);
  flaeche(x1, y1, x2, y2);
}

void Knopf::zeichnen(const char* text, bool markiert, int bf) const {
  glColor3d(0, 0, 0);
  schrift(x1 + REQ_X * bf, y1 + 8 * bf, text, 0);
  rahmen(x1, y1, x2, y2);
  if (markiert) rahmen(x1 + 4, y1 + 4, x2 - 4, y2 - 4);
  glColor3d(0.9, 0.9, 0.9);
  flaeche(x1, y1, x2, y2);
}

void Gadget::zeichnen(int bf) const {
  glColor3d(0.5, 0.5, 0.5);
  rahmen(x1, y1, x4, y4);
  glColor3d(0, 0, 0);
  schrift(x1 + 6 * bf, y2 + 8 * bf, fragetext, 0);
  schrift(x1 + 6 * bf, y1 + 8 * bf, eingabetext, 0);
  if (aktiv) {
    glColor3d(0.45, 0.7, 1.0);
    cursor_zeichnen(x1 + 6 * bf + cursor * REQ_X * bf, y1 + 8 * bf, REQ_X * bf, REQ_Y * bf);
  }
  glColor3d(0.95, 0.95, 0.95);
  flaeche(x1 + 2 * bf, y1 + 4 * bf, x2 - 4 * bf, y2);
  glColor3d(0.85, 0.85, 0.85);
  flaeche(x1, y1, x4, y4);
}

void schrift_umbruch(int x0, int y0, const char* text, int br, int ho) {
  char zeile[REQ_TEXTLAENGE];
  for (int y = y0; text; y -= ho) {
    text = umbruch_zeile(text, br, zeile);
    schrift(x0, y, zeile, 0);
  }
}

void cursor_zeichnen(int x, int y, int bx, int hy) { flaeche(x, y, x + bx, y + hy * 9 / 8); }
