// The font descriptors, the current font and character cell, font selection, UTF-8 to
// ISO 8859-1 and the addressing of glyph pixels: the text functions without OpenGL.
#include "text/schrift.h"

#include <cstdio>
#include <cstring>

#include "text/fontdaten.h"

constexpr Font font6x8(myfont6x8, 6, 8, 1, 8);
constexpr Font font9x12(myfont9x12, 9, 12, 1, 24);
constexpr Font font12x16(myfont12x16, 12, 16, 1, 32);
const Font* aktfont = &font12x16;
double schrift_breite = font12x16.bx, schrift_hoehe = font12x16.hy;

struct Fontname {
  const char* name;
  const Font* font;
};

static const Fontname fontnamen[] = {{"12x16", &font12x16}, {"6x8", &font6x8}, {"9x12", &font9x12}};

static const Font* font_nach_name(const char* name) {
  for (const Fontname& f : fontnamen)
    if (!std::strcmp(f.name, name)) return f.font;
  return nullptr;
}

double textsize(double bx, double hy, const char* font, int style) {
  if (font) {
    if (const Font* f = font_nach_name(font)) {
      aktfont = f;
    } else {
      std::printf("textsize(): Font \"%s\" nicht gefunden.\n", font);
      std::puts("bisher diese Fonts verwendbar: 6x8, 9x12, 12x16");
    }
  }
  if (style) std::puts("textsize() style noch nicht veraenderbar");
  schrift_breite = bx;
  schrift_hoehe = hy;
  return hy;
}

const char* umlaut(const char* txt) {
  static char puffer[1024];
  utf8_to_isolatin1(puffer, txt, sizeof puffer);
  return puffer;
}

void utf8_to_isolatin1(char* ziel, const char* von, int max) {
  if (max < 1) return;
  const unsigned char* p = reinterpret_cast<const unsigned char*>(von);
  int n = 0;
  while (*p && n < max - 1) {
    bool paar = (p[0] == 0xC2 || p[0] == 0xC3) && p[1] >= 0x80 && p[1] <= 0xBF;
    ziel[n++] = static_cast<char>(paar ? (p[0] * 64 + (p[1] & 0x3F)) % 256 : p[0]);
    p += paar ? 2 : 1;
  }
  ziel[n] = '\0';
}

bool bitgesetzt(const unsigned char* p, int i, int j) {
  int maske;
  const unsigned char* byte = bitlesen(p, i, j, &maske, aktfont->bx, aktfont->hy, aktfont->typ);
  return *byte & maske;
}

// Layouts 1-8 store rows, 9-16 columns, each line in whole bytes. Within each group, layout - 1
// counted modulo 8 holds three switches: 1 pads a line at its start instead of its end, 2 puts
// the first pixel in the lowest bit instead of the highest, 4 counts lines from the far end.
const unsigned char* bitlesen(const unsigned char* pfont, int i, int j, int* maske, int bx, int hy, int typ) {
  if (typ < 1 || typ > 16) {
    std::fprintf(stderr, "Error: in bitlesen() unknown Fonttyp %d - defaulting to Typ 3\n", typ);
    typ = 3;
  }
  bool spaltenweise = typ > 8;
  int schalter = (typ - 1) % 8;
  int linie = spaltenweise ? i : j, pos = spaltenweise ? j : i;
  int laenge = spaltenweise ? hy : bx, anzahl = spaltenweise ? bx : hy;
  int bytes = (laenge + 7) / 8;
  if (schalter & 1) pos += bytes * 8 - laenge;
  if (schalter & 4) linie = anzahl - 1 - linie;
  *maske = 1 << ((schalter & 2) ? pos % 8 : 7 - pos % 8);
  return pfont + linie * bytes + pos / 8;
}
