// quil: viewer and editor for small molecules.
#include <GL/freeglut.h>

#include "io/start.h"
#include "ui/menu.h"
#include "view/grafik_gl.h"

int main(int argc, char** argv) {
  kommandozeile_ausfuehren(argc, argv);
  glutInit(&argc, argv);
  grafik_init("Quil - Molekuele zeichnen mit OpenGL");
  menu.startMainLoop();
  return 0;
}
