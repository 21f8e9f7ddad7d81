// The view fitted to the atoms: kept where everything fits, else the box's centre from the nearest distance.
#include "view/einpassen.h"

#include <gtest/gtest.h>

#include "io/xyz.h"
#include "model/tabellen.h"
#include "testhilfe.h"
#include "view/kamera.h"

static void einlesen(const std::string& text) {
  ausgabe_von([&] { aus_text(text, xyzeinlesen); });
}

static Blick kamera() { return {eye, cent, up}; }

static const Blick start = {Vektor3d(0, 0, 10), Vektor3d(), Vektor3d(0, 1, 0)};

static void leeren() {
  tabellen_leeren();
  eye = start.eye, cent = start.cent, up = start.up;
}

// A ligand at protein coordinates: Home, the camera and the wheel all go to the fitted view.
TEST(Einpassen, FremdeLageWirdEingepasst) {
  leeren();
  einlesen("3\n\nN 29 40 15\nC 31 40 15\nO 30 42 14\n");
  ansicht_einpassen();
  erwarte_nah(cent, {30.1115, 40.916, 14.584});
  erwarte_nah(einheit(eye - cent), {0, 0, 1});
  EXPECT_NEAR(abs(eye - cent), 5.2471, 1e-4);
  EXPECT_TRUE(alles_im_bild(kamera()));
  erwarte_nah(startansicht.eye, eye);
  EXPECT_EQ(zoomgrenze, 100);  // a small molecule: the wheel's limit as before
  eye = start.eye, cent = start.cent;
  kamera_reset();
  erwarte_nah(eye, startansicht.eye);
}

// Alanin fits the start camera, which stays; a turned camera moves only for atoms out of its sight.
TEST(Einpassen, WasPasstBleibt) {
  leeren();
  FILE* alanin = std::fopen(QUIL_SOURCE_DIR "/Alanin.xyz", "r");
  ausgabe_von([&] { xyzeinlesen(alanin); });
  std::fclose(alanin);
  ansicht_einpassen();
  erwarte_nah(eye, start.eye);
  erwarte_nah(startansicht.cent, start.cent);
  kamera_drehen(1, 30);
  Blick gedreht = kamera();
  einlesen("1 0\nH 0 0 -1\n");  // placed beside Alanin, still in sight
  ansicht_einpassen();
  erwarte_nah(eye, gedreht.eye);
  einlesen("2\n\nC 0 400 0\nC 0 -400 0\n");  // far above and below: the camera backs off, looking as before
  ansicht_einpassen();
  erwarte_nah(einheit(cent - eye), einheit(gedreht.cent - gedreht.eye));
  EXPECT_TRUE(alles_im_bild(kamera()));
  EXPECT_GE(zoomgrenze, abs(startansicht.eye - startansicht.cent));
}
