// Hidden balls and bonds against a depth buffer: 64 x 64 pixels, depth 0.7 where x < 32 and
// y < 40, else 1; the camera looks along -z through a frustum from 1 to 10.
#include "view/verdeckung.h"

#include <gtest/gtest.h>

TEST(Verdeckung, NurWasGanzDahinterLiegt) {
  Verdeckung v{{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1},
               {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, -11.0 / 9, -1, 0, 0, -20.0 / 9, 0},
               64,
               64,
               {}};
  for (int y = 0; y < 64; y++)
    for (int x = 0; x < 64; x++) v.tiefe.push_back(x < 32 && y < 40 ? 0.7f : 1.0f);
  const Vektor3d links(-2.5, 0, -5), rechts(2.5, 0, -5);
  for (auto [was, p, r, y_dehnung, verdeckt] : {std::tuple("dahinter", links, 0.2, 1.0, true),
                                                {"davor", Vektor3d(-1, 0, -2), 0.2, 1.0, false},
                                                {"daneben", rechts, 0.2, 1.0, false},
                                                {"auf der Kante", Vektor3d(0, 0, -5), 0.2, 1.0, false},
                                                {"hinter dem Auge", Vektor3d(-2.5, 0, 1), 0.2, 1.0, false},
                                                {"ausserhalb", Vektor3d(-10, 0, -5), 0.2, 1.0, true},
                                                {"gedehnt bis ueber die Kante", links, 0.2, 8.0, false}}) {
    SCOPED_TRACE(was);
    v.modell[5] = y_dehnung;
    EXPECT_EQ(v.kugel_verdeckt(p, r), verdeckt);
  }
  v.modell[5] = 1;
  EXPECT_TRUE(v.strecke_verdeckt(links, links + Vektor3d(0, 0.5, 0), 0.1));
  EXPECT_FALSE(v.strecke_verdeckt(links, rechts, 0.1));
  EXPECT_FALSE(v.strecke_verdeckt(links, links + Vektor3d(0, 4, 0), 0.1));
}
