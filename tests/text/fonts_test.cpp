// The three glyph tables: descriptors and start state, cell bounds, which codes carry a glyph,
// sample glyphs.
#include <gtest/gtest.h>

#include <set>

#include "text/fontdaten.h"
#include "text/schrift.h"

namespace {

const Font* const alle_fonts[] = {&font6x8, &font9x12, &font12x16};

const unsigned char* glyphe(const Font& f, int code) { return f.pfont + code * f.bytesprozeichen; }

bool pixel(const Font& f, int code, int i, int j) {
  return glyphe(f, code)[j * ((f.bx + 7) / 8) + i / 8] & (0x80 >> (i % 8));
}

int oberste_zeile(const Font& f, int code) {
  for (int j = 0; j < f.hy; j++)
    for (int i = 0; i < f.bx; i++)
      if (pixel(f, code, i, j)) return j;
  return f.hy;
}

std::set<int> belegte_codes(const Font& f) {
  std::set<int> codes;
  for (int code = 0; code < 256; code++)
    for (int k = 0; k < f.bytesprozeichen; k++)
      if (glyphe(f, code)[k]) codes.insert(code);
  return codes;
}

std::set<int> satz12x16() {
  const int bereiche[][2] = {
      {0x01, 0x05}, {0x08, 0x09}, {0x21, 0x85}, {0x88, 0x89}, {0x90, 0x99}, {0x9F, 0x9F},
      {0xA1, 0xA1}, {0xA4, 0xA6}, {0xA8, 0xB6}, {0xB9, 0xBF}, {0xC4, 0xC5}, {0xD6, 0xD6},
      {0xDA, 0xE0}, {0xE2, 0xE2}, {0xE4, 0xE9}, {0xEC, 0xEC}, {0xF0, 0xF7}, {0xFC, 0xFC},
      {0xFE, 0xFF}};
  std::set<int> codes;
  for (auto [von, bis] : bereiche)
    for (int code = von; code <= bis; code++) codes.insert(code);
  return codes;
}

}  // namespace

TEST(Fonts, DescriptorsDescribeTheirTablesAndTheLargeFontIsCurrent) {
  const unsigned char* const tabellen[] = {myfont6x8, myfont9x12, myfont12x16};
  const int masse[3][3] = {{6, 8, 8}, {9, 12, 24}, {12, 16, 32}};
  for (int n = 0; n < 3; n++) {
    EXPECT_EQ(alle_fonts[n]->pfont, tabellen[n]);
    EXPECT_EQ(alle_fonts[n]->bx, masse[n][0]);
    EXPECT_EQ(alle_fonts[n]->hy, masse[n][1]);
    EXPECT_EQ(alle_fonts[n]->bytesprozeichen, masse[n][2]);
    EXPECT_EQ(alle_fonts[n]->typ, 1);
  }
  EXPECT_EQ(sizeof myfont6x8 + sizeof myfont9x12 + sizeof myfont12x16, 2048u + 6144u + 8192u);
  EXPECT_EQ(aktfont, &font12x16);
  EXPECT_EQ(schrift_breite, 12);
  EXPECT_EQ(schrift_hoehe, 16);
}

TEST(Fonts, EveryGlyphStaysInsideItsCell) {
  for (const Font* f : alle_fonts)
    for (int code = 0; code < 256; code++)
      for (int j = 0; j < f->hy; j++)
        for (int i = f->bx; i < (f->bx + 7) / 8 * 8; i++)
          EXPECT_FALSE(pixel(*f, code, i, j)) << f->bx << "x" << f->hy << " code " << code;
}

TEST(Fonts, EachFontCarriesExactlyItsSetOfCodes) {
  std::set<int> gross = satz12x16(), mittel = gross, klein;
  mittel.insert({0x06, 0x07, 0xE3});
  for (int code = 0; code < 256; code++)
    if (code != 0x00 && code != 0x20 && code != 0xA0 && code != 0xDB) klein.insert(code);
  EXPECT_EQ(gross.size(), 176u);
  EXPECT_EQ(mittel.size(), 179u);
  EXPECT_EQ(klein.size(), 252u);
  EXPECT_EQ(belegte_codes(font12x16), gross);
  EXPECT_EQ(belegte_codes(font9x12), mittel);
  EXPECT_EQ(belegte_codes(font6x8), klein);
}

TEST(Fonts, LetterAHasItsKnownRows) {
  const unsigned char a[8] = {0x38, 0x44, 0x44, 0x44, 0x7C, 0x44, 0x44, 0x00};
  for (int j = 0; j < 8; j++) EXPECT_EQ(glyphe(font6x8, 'A')[j], a[j]) << "row " << j;
  EXPECT_EQ(glyphe(font12x16, 'A')[0], 0x06);
  EXPECT_EQ(glyphe(font12x16, 'A')[1], 0x00);
}

TEST(Fonts, SmallFontHasCodePage437HalfBlocks) {
  for (int j = 0; j < 8; j++)
    for (int i = 0; i < 6; i++) {
      EXPECT_EQ(pixel(font6x8, 0xDF, i, j), j < 4) << "upper half block " << i << "," << j;
      EXPECT_EQ(pixel(font6x8, 0xDC, i, j), j >= 4) << "lower half block " << i << "," << j;
    }
}

// The larger fonts carry ä, ö, ü and Ö twice, at their ISO 8859-1 and their code page 437
// codes; ä, ö and ü reach higher than the plain letters, for their marks.
TEST(Fonts, GermanLettersSitAtTheirIsoCodes) {
  const int paare[][3] = {{0xE4, 0x84, 'a'}, {0xF6, 0x94, 'o'}, {0xFC, 0x81, 'u'}, {0xD6, 0x99, 0}};
  for (const Font* f : {&font9x12, &font12x16})
    for (auto [iso, cp437, grund] : paare) {
      for (int k = 0; k < f->bytesprozeichen; k++)
        EXPECT_EQ(glyphe(*f, iso)[k], glyphe(*f, cp437)[k]) << f->bx << " code " << iso;
      if (grund) {
        EXPECT_LT(oberste_zeile(*f, iso), oberste_zeile(*f, grund)) << f->bx;
      }
    }
}
