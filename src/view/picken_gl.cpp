// Picking: the atom under a window position, found through the depth of the last frame.
#include <GL/glu.h>

#include <mutex>

#include "model/tabellen.h"
#include "ui/fenster.h"
#include "view/eingabe.h"
#include "view/grafik_gl.h"
#include "view/kamera.h"

namespace {

// The scene point drawn at window position (x, y), with the transformation of the frame.
Vektor3d szenenpunkt(int x, int y) {
  glMatrixMode(GL_MODELVIEW);
  glPushMatrix();
  glLoadIdentity();
  kamera_anwenden();
  GLdouble projektion[16], modell[16];
  GLint bild[4];
  glGetDoublev(GL_PROJECTION_MATRIX, projektion);
  glGetDoublev(GL_MODELVIEW_MATRIX, modell);
  glGetIntegerv(GL_VIEWPORT, bild);
  glPopMatrix();
  GLfloat tiefe = 1;
  int wy = bild[3] - y;
  glReadPixels(x, wy, 1, 1, GL_DEPTH_COMPONENT, GL_FLOAT, &tiefe);
  GLdouble px = 0, py = 0, pz = 0;
  gluUnProject(x, wy, tiefe, modell, projektion, bild, &px, &py, &pz);
  return Vektor3d(px, py, pz);
}

}  // namespace

int atomklick(int x, int y) {
  Vektor3d p = szenenpunkt(x, y);
  std::lock_guard<std::mutex> sperre(tabellen_sperre);
  int i = 0;
  for (; i < anz_atome; i++) {
    if (abs(atomliste[i].p - p) < 1.05 * atomliste[i].ra) {
      atomliste[i].select(i);
      break;
    }
  }
  return i;
}
