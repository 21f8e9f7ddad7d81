// Bitmap text: the three built-in fonts (6x8, 9x12, 12x16), the current font and cell size,
// and text output that draws every set font pixel as a box of OpenGL points.
#pragma once

struct Font {
  const unsigned char* pfont;  // 256 glyphs, glyph c at byte c * bytesprozeichen
  int bx, hy;                  // glyph size in font pixels
  int typ;                     // bit layout (1: rows from the top, MSB leftmost)
  int bytesprozeichen;
  constexpr Font(const unsigned char* pfont_, int bx_, int hy_, int typ_, int bytesprozeichen_)
      : pfont(pfont_), bx(bx_), hy(hy_), typ(typ_), bytesprozeichen(bytesprozeichen_) {}
};

extern const Font font6x8, font9x12, font12x16;
extern const Font* aktfont;
extern double schrift_breite, schrift_hoehe;

// Selects the font by name ("6x8", "9x12", "12x16"; null keeps it) and the cell size.
double textsize(double bx, double hy, const char* font, int style);
const char* umlaut(const char* txt);  // UTF-8 to ISO 8859-1, in one static buffer
// Copies von into ziel (at most max - 1 characters and the terminator), writing the UTF-8
// pairs of U+0080..U+00FF as one byte; every other byte passes unchanged.
void utf8_to_isolatin1(char* ziel, const char* von, int max);
// Pixel (column i, row j from the top) of the glyph at p, in the current font's layout.
bool bitgesetzt(const unsigned char* p, int i, int j);
// The byte holding pixel (i, j) of a glyph of bx x hy pixels in layout typ; *maske gets its bit.
const unsigned char* bitlesen(const unsigned char* pfont, int i, int j, int* maske, int bx, int hy, int typ);

// Drawing (OpenGL, main thread only), in the current colour and 2-D projection.
void schrift(double x0, double y0, const char* text, double winkel);
void wprintf(double x, double y, const char* cstr, int p1, int p2);
void schrift_utf8(double x, double y, const char* str, double winkel);
void zeichne_zeichen(double x0, double y0, double zhoehe, double zbreite, unsigned char zeichen);
void fillbox(double x1, double y1, double x2, double y2);  // between glBegin(GL_POINTS) and glEnd
