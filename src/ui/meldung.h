// The message line: the last line quil printed on standard output, shown at the bottom of the
// window for five seconds or until the next line takes its place.
#pragma once

#include <string>

constexpr int MELDUNG_SEKUNDEN = 5;

// From now on every line printed on standard output (by either thread) also becomes the message
// line; standard output itself gets every byte as before. Called once, before anything is printed.
void ausgabe_mitschreiben();
// Takes text written to standard output (any part of a line, lines cut at 200 characters).
void meldung_mitschreiben(const char* text, std::size_t n);
// Shows text as the message line from now on, without printing it.
void meldung_setzen(const char* text);
// The line to show now: the last line printed that was not empty, empty once it is older than
// MELDUNG_SEKUNDEN.
std::string meldung_jetzt();

// Drawing (OpenGL, main thread): text at the bottom left in the 9x12 font on a light strip.
void meldung_zeichnen(const std::string& text, int bigfont);
