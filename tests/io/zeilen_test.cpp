// Line input and the text helpers shared by the readers and commands.
#include <gtest/gtest.h>

#include <string>

#include "io/zeilen.h"
#include "testhilfe.h"

namespace {

std::string zeilen_von(const std::string& text, int lim = ZEILENLAENGE) {
  std::string ergebnis;
  aus_text(text, [&](FILE* fp) {
    char s[ZEILENLAENGE];
    bool weiter = true;
    while (weiter) {
      weiter = getline(fp, s, lim);
      ergebnis += std::string(weiter ? "+" : "-") + s + "|";
    }
  });
  return ergebnis;
}

TEST(Zeilen, ZeilenendenUndWagenruecklauf) {
  EXPECT_EQ(zeilen_von("ab\ncd\r\nef\rgh\n\nletzte"), "+ab|+cd|+ef|+|-letzte|");
  EXPECT_EQ(zeilen_von(""), "-|");
  EXPECT_EQ(zeilen_von("abcdefg\n", 4), "+abc|+def|+g|-|");
}

TEST(Zeilen, Myscanf) {
  int z = -1;
  EXPECT_EQ(myscanf("=12ab3", &z), 1);
  EXPECT_EQ(z, 12);
  EXPECT_EQ(myscanf(" -7", &z), 1);
  EXPECT_EQ(z, 7);
  EXPECT_EQ(myscanf("keine", &z), 0);
  EXPECT_EQ(z, 0);
  EXPECT_EQ(myscanf("99999999999999999999", &z), 1);
  EXPECT_EQ(z, 2147483647);
}

TEST(Zeilen, IndexUndStrclean) {
  EXPECT_EQ(index("a.xyz.old", ".xyz"), 1);
  EXPECT_EQ(index("a.pdb", ".xyz"), -1);
  EXPECT_EQ(index("abc", ""), 0);
  char s[] = " \r\n text  mit  \r\n  ";
  strclean(s);
  EXPECT_STREQ(s, "text  mit  \r\n");
  char leer[] = "   ";
  strclean(leer);
  EXPECT_STREQ(leer, "");
}

TEST(Zeilen, Fastgleich) {
  EXPECT_TRUE(fastgleichi(5, 7, 2));
  EXPECT_FALSE(fastgleichi(5, 8, 2));
  EXPECT_FALSE(fastgleichi(-2147483647 - 1, 2147483647, 5));
  EXPECT_TRUE(fastgleichd(1.0, 1.05, 0.1));
  EXPECT_FALSE(fastgleichd(1.0, 1.2, 0.1));
}

TEST(Zeilen, FelderNachLeerraum) {
  char wort[4];
  const char* s = wort_lesen("  Chlor 1.5 -3 x", wort, sizeof wort);
  EXPECT_STREQ(wort, "Chl");
  double d = 0;
  s = zahl_lesen(s, &d);
  EXPECT_EQ(d, 1.5);
  int i = 0;
  s = ganzzahl_lesen(s, &i);
  EXPECT_EQ(i, -3);
  EXPECT_EQ(ganzzahl_lesen(s, &i), nullptr);
  EXPECT_EQ(wort_lesen("   ", wort, sizeof wort), nullptr);
  EXPECT_NE(ganzzahl_lesen("-99999999999999", &i), nullptr);
  EXPECT_EQ(i, -2147483647 - 1);
}

TEST(Zeilen, RechtsbuendigeFelderNachSpalten) {
  int i = 0;
  double d = 0;
  EXPECT_TRUE(feld_lesen("100100", 1, 3, &i));
  EXPECT_EQ(i, 100);
  EXPECT_TRUE(feld_lesen("100100", 4, 6, &i));
  EXPECT_FALSE(feld_lesen("12 345", 1, 3, &i));  // not right-aligned
  EXPECT_FALSE(feld_lesen("3 2", 1, 3, &i));     // two numbers
  EXPECT_FALSE(feld_lesen("  3", 1, 4, &i));     // the line ends inside the field
  EXPECT_TRUE(feld_lesen("-100.123-200.500", 9, 16, &d));
  EXPECT_EQ(d, -200.5);
  EXPECT_FALSE(feld_lesen("  ab", 1, 4, &d));
  EXPECT_TRUE(leerzeile(""));
  EXPECT_TRUE(leerzeile("; x"));
  EXPECT_FALSE(leerzeile(" ;"));
}

}  // namespace
