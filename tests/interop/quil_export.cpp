// quil's readers and export writers without the window: quil_export IN... -O OUT... reads each IN as start-up reads a
// file by its content and writes each OUT in the format of its ending.
#include <cstring>

#include "io/export.h"
#include "io/sniff.h"

int main(int argc, char** argv) {
  int i = 1;
  while (i < argc && std::strcmp(argv[i], "-O") != 0)
    if (!unbek_einlesen(argv[i++])) return 1;
  for (FILE* fp; ++i < argc && (fp = std::fopen(argv[i], "w")); std::fclose(fp))
    export_schreiben(exportformat(argv[i]), fp, -2);
}
