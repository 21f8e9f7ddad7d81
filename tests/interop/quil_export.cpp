// quil's readers and export writers without the window: quil_export IN... [-o OUT...] reads each IN
// as start-up reads a file by its content, writes each OUT in the format of its ending, and prints
// the tables as structure text on standard error.
#include <cstring>

#include "io/export.h"
#include "io/sniff.h"
#include "io/xyz.h"

int main(int argc, char** argv) {
  int i = 1;
  for (; i < argc && std::strcmp(argv[i], "-o") != 0; i++)
    if (!unbek_einlesen(argv[i])) return 1;
  for (i++; i < argc; i++) {
    FILE* fp = std::fopen(argv[i], "w");
    if (!fp) return 1;
    export_schreiben(exportformat(argv[i]), fp, -2);
    std::fclose(fp);
  }
  alles_xyzspeichern(stderr, nullptr, -2);
}
