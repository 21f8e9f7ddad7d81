// Element numbers, van der Waals radii and standard bond lengths.
#include <gtest/gtest.h>

#include "model/elemente.h"
#include "testhilfe.h"

// D is hydrogen, J iodine, two letters count only as written; a van der Waals radius 0 means covalent + 0.8.
TEST(Elemente, OrdnungszahlenUndRadien) {
  for (auto [symbol, nr] : {std::pair("B", 5), {"C", 6}, {"D", 1}, {"J", 53}, {"P", 15}, {"U", 92}, {"A", 0},
                            {"e", 0}, {"", 0}, {"He", 2}, {"Cl", 17}, {"CL", 0}, {"Cla", 0}, {"Al", 13}, {"Zn", 30},
                            {"Rf", 104}, {"Ha", 105}, {"Xx", 0}})
    EXPECT_EQ(pernr(symbol), nr) << symbol;
  for (auto [symbol, r] : {std::pair("Br", 1.95), {"C", 0.77 + 0.8}, {"Si", 1.17 + 0.8}, {"e", 1.2}})
    EXPECT_DOUBLE_EQ(vanderwaalsradius(symbol), r) << symbol;
}

// Order 0 is the van der Waals distance; aromatic C-C and C-N are fixed, else the mean of single and double.
TEST(Elemente, StandardbindungslaengeNachOrdnung) {
  for (auto [a, b, ordnung, laenge] :
       {std::tuple("C", "C", 1.0f, 1.54), {"C", "C", 2.0f, 1.34}, {"C", "C", 3.0f, 1.2}, {"C", "C", 4.0f, 1.2},
        {"C", "C", -1.0f, 1.2}, {"C", "H", 1.0f, 1.07}, {"O", "H", 1.0f, 1.04}, {"C", "O", 2.0f, 1.29},
        {"N", "N", 3.0f, 1.1}, {"H", "H", 0.0f, 2.4}, {"Xx", "C", 1.0f, 0.75 + 0.77}, {"C", "C", 1.5f, 1.4},
        {"C", "N", 1.5f, 1.38}, {"N", "C", 1.5f, 1.38}, {"C", "O", 1.5f, (1.51 + 1.29) / 2},
        {"C", "Cl", 1.5f, (1.77 + 1.42) / 2}, {"C", "C", 2.5f, 3.14}})
    EXPECT_NEAR(standardbindungslaenge(a, b, ordnung), laenge, 1e-6) << a << "-" << b << " " << ordnung;
  EXPECT_EQ(ausgabe_von([] { standardbindungslaenge("C", "C", 2.5f); }), "Bindung 2.500000 noch nicht definiert\n");
}
