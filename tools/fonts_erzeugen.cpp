// Builds the glyph tables of the three bitmap fonts from the X11 misc-fixed fonts (public
// domain, Debian package xfonts-base, licence in src/text/FONT-LICENSE):
//   fonts_erzeugen [font folder] > src/text/fontdaten.cpp
//   fonts_erzeugen --bild N [font folder] > fonts.pgm    (every glyph at scale N, for a look)
// 6x8 is cut from 6x10, 9x12 from 8x13, 12x16 from 10x20. The 6x8 font carries code page 437;
// the larger two carry code page 437 below 0xA0 and ISO 8859-1 from 0xA0 on, for the umlauts.
#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

constexpr int RASTER = 32;  // rows and columns of the work grid, more than any source cell

// A glyph on the work grid: bit c of zeile[r] is the pixel in column c, row r.
struct Raster {
  uint32_t zeile[RASTER] = {};
};

// Unicode of code page 437; 0x01-0x1F and 0x7F are its graphic characters.
const uint16_t cp437[256] = {
    0x0000, 0x263A, 0x263B, 0x2665, 0x2666, 0x2663, 0x2660, 0x2022, 0x25D8, 0x25CB, 0x25D9, 0x2642, 0x2640, 0x266A,
    0x266B, 0x263C, 0x25BA, 0x25C4, 0x2195, 0x203C, 0x00B6, 0x00A7, 0x25AC, 0x21A8, 0x2191, 0x2193, 0x2192, 0x2190,
    0x221F, 0x2194, 0x25B2, 0x25BC, 0x0020, 0x0021, 0x0022, 0x0023, 0x0024, 0x0025, 0x0026, 0x0027, 0x0028, 0x0029,
    0x002A, 0x002B, 0x002C, 0x002D, 0x002E, 0x002F, 0x0030, 0x0031, 0x0032, 0x0033, 0x0034, 0x0035, 0x0036, 0x0037,
    0x0038, 0x0039, 0x003A, 0x003B, 0x003C, 0x003D, 0x003E, 0x003F, 0x0040, 0x0041, 0x0042, 0x0043, 0x0044, 0x0045,
    0x0046, 0x0047, 0x0048, 0x0049, 0x004A, 0x004B, 0x004C, 0x004D, 0x004E, 0x004F, 0x0050, 0x0051, 0x0052, 0x0053,
    0x0054, 0x0055, 0x0056, 0x0057, 0x0058, 0x0059, 0x005A, 0x005B, 0x005C, 0x005D, 0x005E, 0x005F, 0x0060, 0x0061,
    0x0062, 0x0063, 0x0064, 0x0065, 0x0066, 0x0067, 0x0068, 0x0069, 0x006A, 0x006B, 0x006C, 0x006D, 0x006E, 0x006F,
    0x0070, 0x0071, 0x0072, 0x0073, 0x0074, 0x0075, 0x0076, 0x0077, 0x0078, 0x0079, 0x007A, 0x007B, 0x007C, 0x007D,
    0x007E, 0x2302, 0x00C7, 0x00FC, 0x00E9, 0x00E2, 0x00E4, 0x00E0, 0x00E5, 0x00E7, 0x00EA, 0x00EB, 0x00E8, 0x00EF,
    0x00EE, 0x00EC, 0x00C4, 0x00C5, 0x00C9, 0x00E6, 0x00C6, 0x00F4, 0x00F6, 0x00F2, 0x00FB, 0x00F9, 0x00FF, 0x00D6,
    0x00DC, 0x00A2, 0x00A3, 0x00A5, 0x20A7, 0x0192, 0x00E1, 0x00ED, 0x00F3, 0x00FA, 0x00F1, 0x00D1, 0x00AA, 0x00BA,
    0x00BF, 0x2310, 0x00AC, 0x00BD, 0x00BC, 0x00A1, 0x00AB, 0x00BB, 0x2591, 0x2592, 0x2593, 0x2502, 0x2524, 0x2561,
    0x2562, 0x2556, 0x2555, 0x2563, 0x2551, 0x2557, 0x255D, 0x255C, 0x255B, 0x2510, 0x2514, 0x2534, 0x252C, 0x251C,
    0x2500, 0x253C, 0x255E, 0x255F, 0x255A, 0x2554, 0x2569, 0x2566, 0x2560, 0x2550, 0x256C, 0x2567, 0x2568, 0x2564,
    0x2565, 0x2559, 0x2558, 0x2552, 0x2553, 0x256B, 0x256A, 0x2518, 0x250C, 0x2588, 0x2584, 0x258C, 0x2590, 0x2580,
    0x03B1, 0x00DF, 0x0393, 0x03C0, 0x03A3, 0x03C3, 0x00B5, 0x03C4, 0x03A6, 0x0398, 0x03A9, 0x03B4, 0x221E, 0x03C6,
    0x03B5, 0x2229, 0x2261, 0x00B1, 0x2265, 0x2264, 0x2320, 0x2321, 0x00F7, 0x2248, 0x00B0, 0x2219, 0x00B7, 0x221A,
    0x207F, 0x00B2, 0x25A0, 0x00A0,
};

// One of the fonts to build: which source it is cut from and which codes it fills.
struct Zielschrift {
  const char* tabelle;  // name of the table in the generated source
  const char* quelle;   // misc-fixed file
  int bx, hy;
  int oben;     // source row that becomes row 0 of the cell
  int links;    // cell column of source column 0, as far as the glyph leaves room
  bool latin1;  // 0xA0 to 0xFF as in ISO 8859-1, else as in code page 437
  bool (*belegt)(int code);
  unsigned zeichen(int code) const { return latin1 && code >= 0xA0 ? code : cp437[code]; }
};

bool belegt6x8(int code) { return code != 0x00 && code != 0x20 && code != 0xA0 && code != 0xDB; }

bool belegt12x16(int code) {
  static const int bereiche[][2] = {{0x01, 0x05}, {0x08, 0x09}, {0x21, 0x85}, {0x88, 0x89}, {0x90, 0x99},
                                    {0x9F, 0x9F}, {0xA1, 0xA1}, {0xA4, 0xA6}, {0xA8, 0xB6}, {0xB9, 0xBF},
                                    {0xC4, 0xC5}, {0xD6, 0xD6}, {0xDA, 0xE0}, {0xE2, 0xE2}, {0xE4, 0xE9},
                                    {0xEC, 0xEC}, {0xF0, 0xF7}, {0xFC, 0xFC}, {0xFE, 0xFF}};
  for (const auto& b : bereiche)
    if (code >= b[0] && code <= b[1]) return true;
  return false;
}

bool belegt9x12(int code) { return belegt12x16(code) || code == 0x06 || code == 0x07 || code == 0xE3; }

const Zielschrift zielschriften[] = {
    {"myfont6x8", "6x10.pcf.gz", 6, 8, 1, 1, false, belegt6x8},
    {"myfont9x12", "8x13.pcf.gz", 9, 12, 1, 0, true, belegt9x12},
    {"myfont12x16", "10x20.pcf.gz", 12, 16, 3, 1, true, belegt12x16},
};
constexpr int ANZ_SCHRIFTEN = sizeof zielschriften / sizeof zielschriften[0];

// Glyphs drawn by hand, row by row from the top, replacing what the source gives.
struct Handzeichnung {
  const char* tabelle;
  int code;
  const char* zeilen[16];
};

const Handzeichnung handzeichnungen[] = {
    // A flat-topped "A" suits the 5 x 7 capitals better than the source's pointed one.
    {"myfont6x8", 0x41, {"..###.", ".#...#", ".#...#", ".#...#", ".#####", ".#...#", ".#...#", "......"}},
    // Code page 437 has a non-breaking space here; the open box shows it.
    {"myfont6x8", 0xFF, {"......", "......", "......", "......", ".#...#", ".#####", "......", "......"}},
};

// Box drawing, block elements and the inverse bullet and circle fill the whole cell and join
// their neighbours, so they are cut out as they are instead of being fitted.
bool ist_kachel(unsigned u) { return (u >= 0x2500 && u <= 0x259F) || u == 0x25D8 || u == 0x25D9; }

int oberste(const Raster& r) {
  for (int z = 0; z < RASTER; z++)
    if (r.zeile[z]) return z;
  return -1;
}

int unterste(const Raster& r) {
  for (int z = RASTER - 1; z >= 0; z--)
    if (r.zeile[z]) return z;
  return -1;
}

// Moves the glyph down by n rows (up for negative n).
void verschieben(Raster& r, int n) {
  Raster neu;
  for (int z = 0; z < RASTER; z++)
    if (z + n >= 0 && z + n < RASTER) neu.zeile[z + n] = r.zeile[z];
  r = neu;
}

// A row in von..bis that can go with the least harm: one of the longest run of equal rows
// (a straight stem), else an empty row between ink; -1 when there is none.
int streichbare_zeile(const Raster& r, int von, int bis) {
  int beste = -1, beste_laenge = 1;
  for (int z = von; z <= bis;) {
    int n = 1;
    while (z + n <= bis && r.zeile[z + n] == r.zeile[z]) n++;
    if (r.zeile[z] && n > beste_laenge) beste = z, beste_laenge = n;
    z += n;
  }
  for (int z = von + 1; beste < 0 && z < bis; z++)
    if (!r.zeile[z]) beste = z;
  return beste;
}

// Takes row z out; the rows above it move down (von_oben) or the rows below it move up.
void zeile_entfernen(Raster& r, int z, bool von_oben) {
  if (von_oben) {
    for (int k = z; k > 0; k--) r.zeile[k] = r.zeile[k - 1];
    r.zeile[0] = 0;
  } else {
    for (int k = z; k < RASTER - 1; k++) r.zeile[k] = r.zeile[k + 1];
    r.zeile[RASTER - 1] = 0;
  }
}

// Brings the ink into the rows w0..w1 and keeps the baseline where it can: too tall glyphs
// (accented capitals) lose rows above the baseline, low ones (descenders) move up.
void einpassen(Raster& r, int w0, int w1, int basis) {
  while (oberste(r) < w0) {
    int z = streichbare_zeile(r, oberste(r), basis);
    if (z < 0) break;
    zeile_entfernen(r, z, true);
  }
  while (unterste(r) > w1) {
    if (oberste(r) > w0) {
      verschieben(r, -1);
      continue;
    }
    int z = streichbare_zeile(r, oberste(r), unterste(r));
    if (z < 0) break;
    zeile_entfernen(r, z, false);
  }
  if (oberste(r) < w0) verschieben(r, w0 - oberste(r));
}

// Columns with ink, as a bit mask.
uint32_t spalten(const Raster& r) {
  uint32_t m = 0;
  for (uint32_t z : r.zeile) m |= z;
  return m;
}

// The source glyph of character u on the work grid, rows counted from the source cell's top.
bool quellzeichen(FT_Face face, unsigned u, Raster& r) {
  if (!FT_Get_Char_Index(face, u) || FT_Load_Char(face, u, FT_LOAD_RENDER | FT_LOAD_TARGET_MONO)) return false;
  const FT_GlyphSlot g = face->glyph;
  int oben = static_cast<int>(face->size->metrics.ascender >> 6) - g->bitmap_top;
  for (unsigned j = 0; j < g->bitmap.rows; j++)
    for (unsigned i = 0; i < g->bitmap.width; i++) {
      int z = oben + static_cast<int>(j), s = g->bitmap_left + static_cast<int>(i);
      bool gesetzt = g->bitmap.buffer[j * g->bitmap.pitch + i / 8] & (0x80 >> (i % 8));
      if (gesetzt && z >= 0 && z < RASTER && s >= 0 && s < RASTER) r.zeile[z] |= 1u << s;
    }
  return true;
}

// Moves the fitted glyph right by the font's margin, as far as the cell allows.
bool seitlich_setzen(Raster& r, int links, int bx) {
  uint32_t m = spalten(r);
  int rechts = 31 - __builtin_clz(m), erste = __builtin_ctz(m);
  int n = links + rechts < bx ? links : bx - 1 - rechts;
  if (erste + n < 0) return false;
  for (uint32_t& z : r.zeile) z = n >= 0 ? z << n : z >> -n;
  return true;
}

// Widens a cut-out tile to the cell: the source's edge columns are repeated on both sides.
void kachel_verbreitern(Raster& r, int links, int quellbreite, int bx) {
  for (uint32_t& z : r.zeile) {
    uint32_t neu = z << links;
    for (int i = 0; i < links; i++) neu |= (z & 1u) << i;
    for (int i = links + quellbreite; i < bx; i++) neu |= (z >> (quellbreite - 1) & 1u) << i;
    z = neu;
  }
}

// Writes the cell, raster rows oben to oben + hy - 1, into the glyph's bytes in layout 1.
void ablegen(const Raster& r, int oben, const Zielschrift& s, unsigned char* glyphe) {
  int bpr = (s.bx + 7) / 8;
  for (int j = 0; j < s.hy; j++)
    for (int i = 0; i < s.bx; i++)
      if (r.zeile[oben + j] >> i & 1) glyphe[j * bpr + i / 8] |= 0x80 >> (i % 8);
}

const Handzeichnung* handzeichnung(const Zielschrift& s, int code) {
  for (const Handzeichnung& h : handzeichnungen)
    if (h.code == code && !std::strcmp(h.tabelle, s.tabelle)) return &h;
  return nullptr;
}

void von_hand(const Handzeichnung& h, const Zielschrift& s, unsigned char* glyphe) {
  Raster r;
  for (int j = 0; j < s.hy; j++)
    for (int i = 0; i < s.bx; i++)
      if (h.zeilen[j][i] == '#') r.zeile[j] |= 1u << i;
  ablegen(r, 0, s, glyphe);
}

bool glyphe_bauen(FT_Face face, const Zielschrift& s, int code, unsigned char* glyphe) {
  Raster r;
  unsigned u = s.zeichen(code);
  if (!quellzeichen(face, u, r)) {
    std::fprintf(stderr, "Fehler: %s hat kein Zeichen U+%04X\n", s.quelle, u);
    return false;
  }
  int w1 = s.oben + s.hy - 1;
  if (ist_kachel(u)) {
    kachel_verbreitern(r, s.links, face->available_sizes[0].width, s.bx);
  } else {
    einpassen(r, s.oben, w1, static_cast<int>(face->size->metrics.ascender >> 6) - 1);
    bool passt = spalten(r) && oberste(r) >= s.oben && unterste(r) <= w1;
    if (!passt || !seitlich_setzen(r, s.links, s.bx)) {
      std::fprintf(stderr, "Fehler: U+%04X ist leer oder passt nicht in %dx%d\n", u, s.bx, s.hy);
      return false;
    }
  }
  ablegen(r, s.oben, s, glyphe);
  return true;
}

bool schrift_bauen(FT_Library ft, const std::string& ordner, const Zielschrift& s, unsigned char* tabelle) {
  FT_Face face;
  std::string pfad = ordner + "/" + s.quelle;
  if (FT_New_Face(ft, pfad.c_str(), 0, &face) || FT_Select_Size(face, 0)) {
    std::fprintf(stderr, "Fehler: kann %s nicht laden\n", pfad.c_str());
    return false;
  }
  int bytes = (s.bx + 7) / 8 * s.hy;
  bool gut = true;
  for (int code = 0; code < 256 && gut; code++) {
    unsigned char* glyphe = tabelle + code * bytes;
    if (const Handzeichnung* h = handzeichnung(s, code))
      von_hand(*h, s, glyphe);
    else if (s.belegt(code))
      gut = glyphe_bauen(face, s, code, glyphe);
  }
  FT_Done_Face(face);
  return gut;
}

void tabelle_schreiben(const Zielschrift& s, const unsigned char* tabelle) {
  int bytes = (s.bx + 7) / 8 * s.hy;
  std::printf("\nconst unsigned char %s[%d] = {\n", s.tabelle, 256 * bytes);
  for (int code = 0; code < 256; code++)
    for (int k = 0; k < bytes; k++) {
      if (k % 12 == 0) std::printf(k ? "\n            " : "    /* %02X */", code);
      std::printf(" 0x%02X,", tabelle[code * bytes + k]);
      if (k == bytes - 1) std::printf("\n");
    }
  std::printf("};\n");
}

void quelltext_schreiben(unsigned char tabellen[][8192]) {
  std::printf(
      "// Glyph tables of the three bitmap fonts (layout 1: rows from the top, leftmost pixel\n"
      "// in the high bit), written by tools/fonts_erzeugen from the X11 misc-fixed fonts.\n"
      "// clang-format off\n"
      "#include \"text/fontdaten.h\"\n");
  for (int n = 0; n < ANZ_SCHRIFTEN; n++) tabelle_schreiben(zielschriften[n], tabellen[n]);
}

// Gray levels of the preview: cell lines, unused cells, used cells, set pixels; the gap
// between two fonts in pixels.
constexpr unsigned char LINIE = 150, LEER = 215, FREI = 255, TINTE = 0;
constexpr int ABSTAND = 8;

// Gray level of pixel (x, y) in the table of font s at scale n.
unsigned char grauwert(const Zielschrift& s, const unsigned char* tabelle, int x, int y, int n) {
  int zb = s.bx * n + 1, zh = s.hy * n + 1;
  if (x % zb == 0 || y % zh == 0 || x >= 16 * zb || y >= 16 * zh) return LINIE;
  int code = y / zh * 16 + x / zb, i = (x % zb - 1) / n, j = (y % zh - 1) / n, bpr = (s.bx + 7) / 8;
  if (tabelle[code * bpr * s.hy + j * bpr + i / 8] & (0x80 >> (i % 8))) return TINTE;
  return s.belegt(code) ? FREI : LEER;
}

// Every font as a 16 x 16 table of its glyphs at scale n, fonts below each other, as PGM.
void bild_schreiben(unsigned char tabellen[][8192], int n) {
  int breite = 0, hoehe = 0;
  for (const Zielschrift& s : zielschriften) {
    breite = std::max(breite, 16 * (s.bx * n + 1) + 1);
    hoehe += 16 * (s.hy * n + 1) + 1 + ABSTAND;
  }
  std::string bild(static_cast<size_t>(breite) * hoehe, static_cast<char>(FREI));
  int y0 = 0;
  for (int f = 0; f < ANZ_SCHRIFTEN; f++) {
    const Zielschrift& s = zielschriften[f];
    int h = 16 * (s.hy * n + 1) + 1;
    for (int y = 0; y < h; y++)
      for (int x = 0; x <= 16 * (s.bx * n + 1); x++)
        bild[static_cast<size_t>(y0 + y) * breite + x] = static_cast<char>(grauwert(s, tabellen[f], x, y, n));
    y0 += h + ABSTAND;
  }
  std::printf("P5\n%d %d\n255\n", breite, hoehe);
  std::fwrite(bild.data(), 1, bild.size(), stdout);
}

}  // namespace

int main(int argc, char** argv) {
  int massstab = 0, a = 1;
  if (argc > 2 && !std::strcmp(argv[1], "--bild")) massstab = std::atoi(argv[2]), a = 3;
  std::string ordner = a < argc ? argv[a] : "/usr/share/fonts/X11/misc";
  if (a + 1 < argc || (a == 3 && massstab < 1)) {
    std::fprintf(stderr, "Aufruf: fonts_erzeugen [--bild Massstab] [Fontordner]\n");
    return 2;
  }
  FT_Library ft;
  if (FT_Init_FreeType(&ft)) return 1;
  static unsigned char tabellen[ANZ_SCHRIFTEN][8192];
  for (int n = 0; n < ANZ_SCHRIFTEN; n++)
    if (!schrift_bauen(ft, ordner, zielschriften[n], tabellen[n])) return 1;
  FT_Done_FreeType(ft);
  if (massstab)
    bild_schreiben(tabellen, massstab);
  else
    quelltext_schreiben(tabellen);
  return 0;
}
