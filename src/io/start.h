// Start-up: sorting the command line, version and usage, and reading the named files.
#pragma once

extern char argflag[128];     // 1 for every (upper-cased) character seen in a flag word
extern char filename0[1024];  // the default input file
extern const char versionstext[];
extern const char keine_atome[];  // the message of a read that added no atom, with the file's name
// Why the first file (or the default file) gave nothing, as printed; empty when it was read.
extern char startfehler[1100];

void setargflags(const char* s);
// Sorts the arguments into flag words and up to three file names, prints version and usage
// and exits when asked to (or given more than three names), else reads the files.
void kommandozeile_ausfuehren(int argc, char** argv);
