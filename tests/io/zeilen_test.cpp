// The text helpers of the readers, where the reader tests do not reach them.
#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "io/zeilen.h"

TEST(Zeilen, Helfer) {
  auto scan = [](const char* s) {  // the first digits, without sign, saturated; none: 0
    int z = -1, r = myscanf(s, &z);
    return std::to_string(r) + ":" + std::to_string(z) + " ";
  };
  EXPECT_EQ(scan("=12ab3") + scan(" -7") + scan("keine") + scan("99999999999999999999"), "1:12 1:7 0:0 1:2147483647 ");
  int i = 0;
  double d = 0;
  char s[] = " \r\n text  mit  \r\n  ", leer[] = "   ", wort[4];
  EXPECT_TRUE(ganzzahl_lesen("-99999999999999", &i) && i == INT_MIN);
  EXPECT_TRUE(wort_lesen(" Chlor", wort, 4) && std::string(wort) == "Chl" && !wort_lesen("  ", wort, 4));  // cut to fit
  // not right-aligned, two numbers, the line ends inside the field, no number
  EXPECT_FALSE(feld_lesen("12 345", 1, 3, &i) || feld_lesen("3 2", 1, 3, &i) || feld_lesen("  3", 1, 4, &i) ||
               feld_lesen("  ab", 1, 4, &d));
  strclean(s);
  strclean(leer);
  EXPECT_EQ(std::string(s) + "|" + leer, "text  mit  \r\n|");
  EXPECT_TRUE(fastgleichi(5, 7, 2) && !fastgleichi(5, 8, 2) && !fastgleichi(INT_MIN, INT_MAX, 5));
  EXPECT_TRUE(fastgleichd(1.0, 1.05, 0.1) && !fastgleichd(1.0, 1.2, 0.1) && !leerzeile(" ;"));  // no comment
}
