// The view fitted to the atoms: kept where everything fits, else the box's centre from the nearest distance.
#include "view/einpassen.h"

#include <gtest/gtest.h>

#include "io/xyz.h"
#include "model/tabellen.h"
#include "testhilfe.h"
#include "view/kamera.h"

static void einlesen(const std::string& text) {
  ausgabe_von([&] { aus_text(text, xyzeinlesen); });
  ansicht_einpassen();
}

// A ligand at protein coordinates, Home after it; a turned camera moves only for atoms out of its sight.
TEST(Einpassen, NurWasNichtPasst) {
  tabellen_leeren();
  einlesen("3\n\nN 29 40 15\nC 31 40 15\nO 30 42 14\n");
  erwarte_nah(cent, {30.1115, 40.916, 14.584});  // the middle of the spheres' box
  erwarte_nah(eye, cent + Vektor3d(0, 0, 5.2471093928128418));
  eye = cent = Vektor3d();
  kamera_reset();
  erwarte_nah(eye, startansicht.eye);
  tabellen_leeren();
  eye = Vektor3d(0, 0, 10), cent = Vektor3d();
  einlesen("1 0\nC 0 -2.8 0\n");  // the start camera sees it: nothing moves
  erwarte_nah(startansicht.eye, {0, 0, 10});
  kamera_drehen(1, 30);
  Blick gedreht = {eye, cent, up};
  einlesen("2\n\nC 0 400 0\nC 0 -400 0\n");  // far above and below: the camera backs off, looking as before
  erwarte_nah(einheit(cent - eye), einheit(gedreht.cent - gedreht.eye));
  EXPECT_TRUE(alles_im_bild({eye, cent, up}));
  EXPECT_EQ(zoomgrenze, 2 * abs(startansicht.eye - startansicht.cent));
}
