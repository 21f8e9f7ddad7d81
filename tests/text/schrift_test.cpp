// Bitmap text: the glyphs of the fonts as drawn, UTF-8 to ISO 8859-1.
#include "text/schrift.h"

#include <gtest/gtest.h>

#include "testhilfe.h"

// The letter F in each font by name, rows from the top, the leftmost pixel in the high bit (F is not symmetric).
TEST(Fonts, LetterF) {
  const std::pair<const char*, const char*> faelle[] = {
      {"6x8", ".##### .#.... .#.... .####. .#.... .#.... .#.... ...... "},
      {"12x16",
       "..########.. ..##........ ..##........ ..##........ ..##........ ..##........ ..######.... "
       "..##........ ..##........ ..##........ ..##........ ..##........ ..##........ ............ "
       "............ ............ "}};
  for (auto [name, soll] : faelle) {
    textsize(1, 1, name, 0);
    std::string zeichnung;
    for (int j = 0; j < aktfont->hy; j++, zeichnung += ' ')
      for (int i = 0; i < aktfont->bx; i++)
        zeichnung += bitgesetzt(aktfont->pfont + 'F' * aktfont->bytesprozeichen, i, j) ? '#' : '.';
    EXPECT_EQ(zeichnung, soll) << name;
  }
}

// C2 or C3 and a continuation byte become one byte, all else passes, max - 1 at most; umlaut has one buffer.
TEST(Schrift, Utf8ToIsoLatin1) {
  auto latin1 = [](const char* von, int max) {
    char ziel[64];
    utf8_to_isolatin1(ziel, von, max);
    return std::string(ziel);
  };
  EXPECT_EQ(latin1("f\xC3\xBCr \xC3\x9F \xC2\xB0", 64), "f\xFCr \xDF \xB0");
  EXPECT_EQ(latin1("\xC3Z \xE2\x82\xAC \xC4\x80", 64), "\xC3Z \xE2\x82\xAC \xC4\x80");
  EXPECT_EQ(latin1("\xC3\xA4\xC3\xB6\xC3\xBC", 3), "\xE4\xF6");
  EXPECT_EQ(latin1("abc", 1), "");
  const char* puffer = umlaut("\xC3\x84nderung");
  EXPECT_STREQ(puffer, "\xC4nderung");
  EXPECT_EQ(umlaut(std::string(2000, 'a').c_str()), puffer);
  EXPECT_EQ(std::string(puffer), std::string(1023, 'a'));
}
