// quil: viewer and editor for small molecules.
#include "io/start.h"

int main(int argc, char** argv) {
  kommandozeile_ausfuehren(argc, argv);
  return 0;
}
