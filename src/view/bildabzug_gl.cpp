// The picture of the scene that "Export..." writes as PNG: drawn and read back on the main thread.
#include "view/bildabzug_gl.h"

#include <GL/gl.h>

#include "ui/bildabzug.h"
#include "ui/fenster.h"

void bildabzug_bedienen(void (*szene)()) {
  Bild* bild = bild_angefordert();
  if (!bild) return;
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  szene();
  bild->breite = bildbreite;
  bild->hoehe = bildhoehe;
  bild->rgb.resize(3u * bild->breite * bild->hoehe);
  glPushClientAttrib(GL_CLIENT_PIXEL_STORE_BIT);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glReadBuffer(GL_BACK);
  glReadPixels(0, 0, bild->breite, bild->hoehe, GL_RGB, GL_UNSIGNED_BYTE, bild->rgb.data());
  glPopClientAttrib();
  bild_geliefert();
}
