// Filled and outlined rectangles for the overlay of the menu bar and the requesters.
#include <GL/gl.h>

#include "ui/flaeche.h"

namespace {

void viereck(GLenum art, double x1, double y1, double x2, double y2) {
  glBegin(art);
  glVertex2d(x1, y1);
  glVertex2d(x2, y1);
  glVertex2d(x2, y2);
  glVertex2d(x1, y2);
  glEnd();
}

}  // namespace

void flaeche(double x1, double y1, double x2, double y2) { viereck(GL_QUADS, x1, y1, x2, y2); }

void rahmen(double x1, double y1, double x2, double y2) { viereck(GL_LINE_LOOP, x1, y1, x2, y2); }
