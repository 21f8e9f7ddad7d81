// quil: viewer and editor for small molecules.
#include <GL/freeglut.h>

#include "io/start.h"
#include "ui/meldung.h"
#include "ui/menu.h"
#include "view/grafik_gl.h"

int main(int argc, char** argv) {
  ausgabe_mitschreiben();  // line by line, also in a pipe, and to the window's message line
  kommandozeile_ausfuehren(argc, argv);
  glutInit(&argc, argv);
  grafik_init("Quil - Molekuele zeichnen mit OpenGL");
  menu.startMainLoop();
  return 0;
}
