// quil: viewer and editor for small molecules.
#include <GL/freeglut.h>

#include <cstdio>

#include "io/start.h"
#include "ui/menu.h"
#include "view/grafik_gl.h"

int main(int argc, char** argv) {
  std::setvbuf(stdout, nullptr, _IOLBF, 0);  // each diagnostic line shows at once, also in a pipe
  kommandozeile_ausfuehren(argc, argv);
  glutInit(&argc, argv);
  grafik_init("Quil - Molekuele zeichnen mit OpenGL");
  menu.startMainLoop();
  return 0;
}
