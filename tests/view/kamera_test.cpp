// The camera: turn directions, roll, zoom limits, shifts, and molecule edit mode.
#include <gtest/gtest.h>

#include "model/tabellen.h"
#include "testhilfe.h"
#include "view/ansicht.h"
#include "view/kamera.h"

namespace {

struct Kamera : testing::Test {
  void SetUp() override {
    tabellen_leeren();
    kamera_reset();
    edit_modus = 0;
    aktives_molekuel = 0;
  }
};

TEST_F(Kamera, DrehenUmDieAchsenUndZurueck) {
  kamera_drehen(1, 90);  // about up: the camera goes round to +x
  erwarte_nah(eye, 10, 0, 0);
  kamera_drehen(0, 90);  // tilt: the camera goes up, up turns along
  erwarte_nah(eye, 0, -10, 0);
  erwarte_nah(up, 1, 0, 0);
  kamera_drehen(2, 90);  // roll: only up turns
  erwarte_nah(eye, 0, -10, 0);
  EXPECT_NEAR(abs(up), 1, 1e-12);
  EXPECT_NEAR(Vektor3dprodukt(up, eye - cent), 0, 1e-9);
  kamera_drehen(7, 1);
  erwarte_nah(eye, 0, -10, 0);
  kamera_reset();
  erwarte_nah(eye, 0, 0, 10);
  erwarte_nah(up, 0, 1, 0);
}

TEST_F(Kamera, EinGradProSchritt) {
  kamera_drehen(1, 1);
  EXPECT_NEAR(eye.x, 10 * std::sin(M_PI / 180), 1e-12);
  EXPECT_NEAR(eye.z, 10 * std::cos(M_PI / 180), 1e-12);
}

TEST_F(Kamera, RadHaeltDenAbstandInGrenzen) {
  eye = Vektor3d(0, 0, 1.2);
  kamera_zoomen(3);
  EXPECT_NEAR(eye.z, 0.7, 1e-12);
  kamera_zoomen(3);
  EXPECT_NEAR(eye.z, 0.7, 1e-12);
  eye = Vektor3d(0, 0, 99.9);
  kamera_zoomen(4);
  EXPECT_NEAR(eye.z, 100.4, 1e-12);
  kamera_zoomen(4);
  EXPECT_NEAR(eye.z, 100.4, 1e-12);
  cent = Vektor3d(1, 1, 1);
  eye = Vektor3d(1, 1, 11);
  kamera_zoomen(3);
  erwarte_nah(eye, 1, 1, 10.5);
}

// In edit mode the molecule turns the opposite way, so that on the screen it moves as the
// camera turn would have moved it.
TEST_F(Kamera, ImEditmodusDrehtSichDasMolekuel) {
  anz_molek = 2;
  molekuel[0].init(0, 1, 0);
  molekuel[1].init(1, 1, 0);
  Vektor3d a(1, 0, 0), b(1, 0, 0);
  molekuel[0].addatom("C", a);
  molekuel[1].addatom("C", b);
  edit_modus = 1;
  aktives_molekuel = 1;
  kamera_drehen(1, 90);
  erwarte_nah(eye, 0, 0, 10);
  erwarte_nah(atomliste[1].p, 0, 0, 1);
  erwarte_nah(atomliste[0].p, 1, 0, 0);
  kamera_zoomen(3);  // the wheel always moves the camera
  EXPECT_NEAR(eye.z, 9.5, 1e-12);
  szene_schieben(Vektor3d(0, 1, 0));
  erwarte_nah(atomliste[1].p, 0, -1, 1);
  erwarte_nah(cent, 0, 0, 0);
  edit_modus = 257;  // Shift: the camera again
  szene_schieben(Vektor3d(0, 1, 0));
  erwarte_nah(cent, 0, 1, 0);
  erwarte_nah(atomliste[1].p, 0, -1, 1);
}

TEST_F(Kamera, MolekuelDrehungEntsprichtDerKameradrehung) {
  anz_molek = 1;
  molekuel[0].init(0, 1, 0);
  Vektor3d a(0, 1, 0);
  molekuel[0].addatom("C", a);
  edit_modus = 1;
  for (int achse : {0, 2}) {
    kamera_drehen(achse, 90);
    edit_modus = 0;
  }
  // the tilt brings the atom above the centre onto the line of sight behind the centre, as
  // the camera going down to look up at it would show it; the camera's roll then leaves it
  erwarte_nah(atomliste[0].p, 0, 0, -1);
}

}  // namespace
