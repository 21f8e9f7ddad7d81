// Font selection with its messages, UTF-8 to ISO 8859-1 and the addressing of glyph pixels.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "testhilfe.h"
#include "text/schrift.h"

namespace {

// Puts the current font and cell back after each test.
class Textzustand : public testing::Test {
 protected:
  void TearDown() override {
    aktfont = font;
    schrift_breite = breite;
    schrift_hoehe = hoehe;
  }
  const Font* font = aktfont;
  double breite = schrift_breite, hoehe = schrift_hoehe;
};

std::string latin1(const char* von, int max = 64) {
  char ziel[64];
  utf8_to_isolatin1(ziel, von, max);
  return ziel;
}

const std::string nicht_gefunden =
    "textsize(): Font \"10x20\" nicht gefunden.\nbisher diese Fonts verwendbar: 6x8, 9x12, 12x16\n";
const std::string kein_style = "textsize() style noch nicht veraenderbar\n";

}  // namespace

TEST_F(Textzustand, TextsizeSelectsFontAndCellQuietly) {
  std::string ausgabe = ausgabe_von([] {
    EXPECT_EQ(textsize(9, 12, "9x12", 0), 12);
    EXPECT_EQ(aktfont, &font9x12);
    EXPECT_EQ(textsize(24, 32, "12x16", 0), 32);
    EXPECT_EQ(aktfont, &font12x16);
    EXPECT_EQ(textsize(6, 8, "6x8", 0), 8);
    EXPECT_EQ(textsize(18, 24, nullptr, 0), 24);
  });
  EXPECT_EQ(ausgabe, "");
  EXPECT_EQ(aktfont, &font6x8);
  EXPECT_EQ(schrift_breite, 18);
  EXPECT_EQ(schrift_hoehe, 24);
}

TEST_F(Textzustand, UnknownNameKeepsTheFontButChangesTheCell) {
  textsize(9, 12, "9x12", 0);
  EXPECT_EQ(ausgabe_von([] { EXPECT_EQ(textsize(12, 16, "10x20", 0), 16); }), nicht_gefunden);
  EXPECT_EQ(aktfont, &font9x12);
  EXPECT_EQ(schrift_breite, 12);
  EXPECT_EQ(schrift_hoehe, 16);
}

TEST_F(Textzustand, StyleIsReportedAndIgnored) {
  EXPECT_EQ(ausgabe_von([] { EXPECT_EQ(textsize(24, 32, "6x8", 2), 32); }), kein_style);
  EXPECT_EQ(aktfont, &font6x8);
  EXPECT_EQ(schrift_breite, 24);
  EXPECT_EQ(ausgabe_von([] { textsize(12, 16, "10x20", 1); }), nicht_gefunden + kein_style);
}

TEST(Utf8, PairsOfC2AndC3BecomeOneByteAndAllElsePasses) {
  EXPECT_EQ(latin1("Gr\xC3\xBC\xC3\x9F" "e"), "Gr\xFC\xDF" "e");
  EXPECT_EQ(latin1("\xC3\x84\xC3\x96\xC3\x9C"), "\xC4\xD6\xDC");
  EXPECT_EQ(latin1("\xC2\xB0" "C"), "\xB0" "C");
  EXPECT_EQ(latin1("\xC3" "A"), "\xC3" "A");
  EXPECT_EQ(latin1("x\xC3"), "x\xC3");
  EXPECT_EQ(latin1("\xE2\x82\xAC \xC4\x80"), "\xE2\x82\xAC \xC4\x80");
}

TEST(Utf8, MaxBoundsWhatIsWritten) {
  char ziel[8];
  std::memset(ziel, 'x', sizeof ziel);
  utf8_to_isolatin1(ziel, "abcdef", 4);
  EXPECT_STREQ(ziel, "abc");
  EXPECT_EQ(ziel[4], 'x');
  EXPECT_EQ(latin1("\xC3\xA4\xC3\xB6\xC3\xBC", 3), "\xE4\xF6");
  EXPECT_EQ(latin1("abc", 1), "");
}

TEST(Utf8, UmlautConvertsIntoOneStaticBuffer) {
  const char* erster = umlaut("\xC3\x84nderung");
  EXPECT_STREQ(erster, "\xC4nderung");
  EXPECT_EQ(umlaut("ok"), erster);
  EXPECT_STREQ(erster, "ok");
  EXPECT_EQ(std::strlen(umlaut(std::string(2000, 'a').c_str())), 1023u);
}

TEST(Bitlesen, Layout1HasRowsFromTheTopAndTheLeftmostPixelHigh) {
  const unsigned char glyphe[32] = {};
  int maske = 0;
  EXPECT_EQ(bitlesen(glyphe, 0, 0, &maske, 12, 16, 1), glyphe);
  EXPECT_EQ(maske, 0x80);
  EXPECT_EQ(bitlesen(glyphe, 9, 3, &maske, 12, 16, 1), glyphe + 7);
  EXPECT_EQ(maske, 0x40);
  EXPECT_EQ(bitlesen(glyphe, 5, 7, &maske, 6, 8, 1), glyphe + 7);
  EXPECT_EQ(maske, 0x04);
}

TEST(Bitlesen, UnknownLayoutIsReportedAndReadAsLayout3) {
  const unsigned char glyphe[32] = {};
  int maske = 0, maske3 = 0;
  const unsigned char* byte3 = bitlesen(glyphe, 9, 3, &maske3, 12, 16, 3);
  for (int typ : {0, 17}) {
    testing::internal::CaptureStderr();
    EXPECT_EQ(bitlesen(glyphe, 9, 3, &maske, 12, 16, typ), byte3);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "Error: in bitlesen() unknown Fonttyp " +
                                                          std::to_string(typ) +
                                                          " - defaulting to Typ 3\n");
    EXPECT_EQ(maske, maske3);
  }
}

TEST_F(Textzustand, BitgesetztReadsWithTheCurrentFont) {
  textsize(6, 8, "6x8", 0);
  const unsigned char* a = font6x8.pfont + 'A' * font6x8.bytesprozeichen;
  EXPECT_TRUE(bitgesetzt(a, 2, 0) && bitgesetzt(a, 1, 4) && bitgesetzt(a, 5, 4));
  EXPECT_FALSE(bitgesetzt(a, 1, 0) || bitgesetzt(a, 0, 4));
  textsize(12, 16, "12x16", 0);
  a = font12x16.pfont + 'A' * font12x16.bytesprozeichen;
  EXPECT_TRUE(bitgesetzt(a, 5, 0) && bitgesetzt(a, 6, 0));
  EXPECT_FALSE(bitgesetzt(a, 4, 0) || bitgesetzt(a, 7, 0));
}
