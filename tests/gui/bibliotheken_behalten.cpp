// Preloaded into quil by the GUI tests: dlclose does nothing, so every library stays loaded to
// the end and LeakSanitizer can still name the system library behind a leak at exit.
extern "C" int dlclose(void*) { return 0; }
