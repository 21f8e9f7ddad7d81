// Start-up: sorting the command line, version and usage, and reading the named files.
#pragma once

extern char argflag[128];     // 1 for every (upper-cased) character seen in a flag word
extern char filename0[1024];  // the default input file
extern const char versionstext[];

void setargflags(const char* s);
// Sorts the arguments into flag words and up to three file names, prints version and usage
// and exits when asked to (or given more than three names), else reads the files.
void kommandozeile_ausfuehren(int argc, char** argv);
