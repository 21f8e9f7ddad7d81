// Bitmap text: the glyphs of the three fonts as drawn, font selection, UTF-8 to ISO 8859-1.
#include "text/schrift.h"

#include <gtest/gtest.h>

#include <cstring>
#include <tuple>

#include "testhilfe.h"

// The letter F in each font, its rows from the top with the leftmost pixel in the high bit (F is not symmetric).
TEST(Fonts, LetterF) {
  for (auto [font, soll] : {std::pair(&font6x8, ".##### .#.... .#.... .####. .#.... .#.... .#.... ...... "),
                            {&font9x12,
                             "......... .######.. .#....... .#....... .#....... .####.... .#....... "
                             ".#....... .#....... .#....... ......... ......... "},
                            {&font12x16,
                             "..########.. ..##........ ..##........ ..##........ ..##........ "
                             "..##........ ..######.... ..##........ ..##........ ..##........ "
                             "..##........ ..##........ ..##........ ............ ............ "
                             "............ "}}) {
    aktfont = font;
    std::string zeichnung;
    for (int j = 0; j < font->hy; j++, zeichnung += ' ')
      for (int i = 0; i < font->bx; i++)
        zeichnung += bitgesetzt(font->pfont + 'F' * font->bytesprozeichen, i, j) ? '#' : '.';
    EXPECT_EQ(zeichnung, soll);
  }
}

// A font by name, the one before for no name or an unknown one; always the cell.
TEST(Schrift, TextsizeSetsTheCellAndTheNamedFont) {
  const std::string fehlt =
      "textsize(): Font \"10x20\" nicht gefunden.\n"
      "bisher diese Fonts verwendbar: 6x8, 9x12, 12x16\n";
  const std::tuple<const char*, int, const Font*, std::string> faelle[] = {
      {"6x8", 0, &font6x8, ""},
      {"9x12", 0, &font9x12, ""},
      {nullptr, 0, nullptr, ""},
      {"10x20", 0, nullptr, fehlt},
      {"12x16", 2, &font12x16, "textsize() style noch nicht veraenderbar\n"}};
  for (auto [name, style, font, ausgabe] : faelle) {
    aktfont = nullptr;
    EXPECT_EQ(ausgabe_von([name = name, style = style] { EXPECT_EQ(textsize(7, 11, name, style), 11); }), ausgabe);
    EXPECT_EQ(std::make_tuple(aktfont, schrift_breite, schrift_hoehe), std::make_tuple(font, 7., 11.));
  }
}

// C2 or C3 and a continuation byte become one byte, all else passes, max - 1 at most; umlaut has one buffer.
TEST(Schrift, Utf8ToIsoLatin1) {
  char ziel[64];
  for (auto [von, max, nach] : {std::tuple("Gr\xC3\xBC\xC3\x9F"
                                           "e",
                                           64,
                                           "Gr\xFC\xDF"
                                           "e"),
                                {"\xC2\xB0"
                                 "C",
                                 64,
                                 "\xB0"
                                 "C"},
                                {"\xC3"
                                 "A",
                                 64,
                                 "\xC3"
                                 "A"},
                                {"\xE2\x82\xAC \xC4\x80", 64, "\xE2\x82\xAC \xC4\x80"},
                                {"abcdef", 4, "abc"},
                                {"\xC3\xA4\xC3\xB6\xC3\xBC", 3, "\xE4\xF6"},
                                {"abc", 1, ""}})
    EXPECT_STREQ((utf8_to_isolatin1(ziel, von, max), ziel), nach) << von;
  const char* puffer = umlaut("\xC3\x84nderung");
  EXPECT_STREQ(puffer, "\xC4nderung");
  EXPECT_EQ(umlaut(std::string(2000, 'a').c_str()), puffer);
  EXPECT_EQ(std::strlen(puffer), 1023u);
}
