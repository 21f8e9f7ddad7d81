// Hidden balls and bonds against a depth buffer: 64 x 64 pixels, depth 0.7 where x < 32 and
// y < 40, else 1; the camera looks along -z through a frustum from 1 to 10.
#include "view/verdeckung.h"

#include <gtest/gtest.h>

TEST(Verdeckung, NurWasGanzDahinterLiegt) {
  Verdeckung v{{}, {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, -11.0 / 9, -1, 0, 0, -20.0 / 9, 0}, 64, 64, {}};
  for (int i = 0; i < 16; i += 5) v.modell[i] = 1;  // scene and eye coordinates alike
  for (int y = 0; y < 64; y++)
    for (int x = 0; x < 64; x++) v.tiefe.push_back(x < 32 && y < 40 ? 0.7f : 1.0f);
  const Vektor3d links(-2.5, 0, -5), rechts(2.5, 0, -5);
  EXPECT_TRUE(v.kugel_verdeckt(links, 0.2));
  EXPECT_FALSE(v.kugel_verdeckt(Vektor3d(-1, 0, -2), 0.2));   // in front of the depths
  EXPECT_FALSE(v.kugel_verdeckt(rechts, 0.2));                // beside them
  EXPECT_FALSE(v.kugel_verdeckt(Vektor3d(0, 0, -5), 0.2));    // on their edge
  EXPECT_FALSE(v.kugel_verdeckt(Vektor3d(-2.5, 0, 1), 0.2));  // behind the eye
  EXPECT_TRUE(v.kugel_verdeckt(Vektor3d(-10, 0, -5), 0.2));   // out of the window
  v.modell[5] = 8;                                            // stretched along y over the edge
  EXPECT_FALSE(v.kugel_verdeckt(links, 0.2));
  v.modell[5] = 1;
  EXPECT_TRUE(v.strecke_verdeckt(links, links + Vektor3d(0, 0.5, 0), 0.1));
  EXPECT_FALSE(v.strecke_verdeckt(links, rechts, 0.1));
  EXPECT_FALSE(v.strecke_verdeckt(links, links + Vektor3d(0, 4, 0), 0.1));
}
