// Drawing the message line at the bottom of the window.
#include <GL/gl.h>

#include "text/schrift.h"
#include "ui/flaeche.h"
#include "ui/meldung.h"

// At the overlay's one depth what is drawn first stays in front: the text, then its strip.
void meldung_zeichnen(const std::string& text, int bigfont) {
  if (text.empty()) return;
  double b = 9 * bigfont, h = 12 * bigfont, rand = 3 * bigfont;
  textsize(b, h, "9x12", 0);
  glColor3d(0, 0, 0);
  schrift(2 * rand, rand, text.c_str(), 0);
  glColor3d(0.75, 0.75, 0.75);
  flaeche(0, 0, 4 * rand + b * static_cast<double>(text.size()), h + 2 * rand);
}
