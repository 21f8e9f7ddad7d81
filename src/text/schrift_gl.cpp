// Text output with OpenGL: every set pixel of a glyph becomes a box of points in the current
// colour, scaled to the current character cell.
#include <GL/gl.h>

#include <cstdio>
#include <utility>

#include "text/schrift.h"

void fillbox(double x1, double y1, double x2, double y2) {
  if (x1 > x2) std::swap(x1, x2);
  if (y1 > y2) std::swap(y1, y2);
  for (double x = x1; x < x2; x += 1)
    for (double y = y1; y < y2; y += 1) glVertex2d(x, y);
}

void zeichne_zeichen(double x0, double y0, double zhoehe, double zbreite, unsigned char zeichen) {
  const Font& f = *aktfont;
  const unsigned char* glyphe = f.pfont + zeichen * f.bytesprozeichen;
  double sx = zbreite / f.bx, sy = zhoehe / f.hy;
  glBegin(GL_POINTS);
  for (int i = 0; i < f.bx; i++) {
    double x = x0 + i * sx;
    for (int j = 0; j < f.hy; j++) {
      double y = y0 + (f.hy - 1 - j) * sy;
      if (bitgesetzt(glyphe, i, j)) fillbox(x, y, x + sx, y + sy);
    }
  }
  glEnd();
}

void schrift(double x0, double y0, const char* text, double winkel) {
  if (winkel != 0) {
    std::printf("schrift() mit winkel=%f noch nicht programmiert. Bisher nur winkel=0 moeglich.\n", winkel);
    return;
  }
  for (const char* p = text; *p; p++, x0 += schrift_breite)
    zeichne_zeichen(x0, y0, schrift_hoehe, schrift_breite, static_cast<unsigned char>(*p));
}

void wprintf(double x, double y, const char* cstr, int p1, int p2) {
  char puffer[200];
  std::snprintf(puffer, sizeof puffer, cstr, p1, p2);
  schrift(x, y, puffer, 0);
}

void schrift_utf8(double x, double y, const char* str, double winkel) { schrift(x, y, umlaut(str), winkel); }
