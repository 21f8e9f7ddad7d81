// A picture of the scene for the menu thread: it asks and waits, the main thread draws the scene
// once more without the overlay, reads it back and hands it over.
#pragma once

#include <vector>

struct Bild {
  int breite = 0, hoehe = 0;
  std::vector<unsigned char> rgb;  // red, green, blue per pixel, the rows from the bottom up
};

// Menu thread: asks for the scene as drawn now and waits, polling every 10 ms, holding no lock,
// until the main thread has filled bild; false when no answer can come (the event loop has ended,
// or the caller is the main thread).
bool bild_anfordern(Bild& bild);
// Main thread: the picture a request waits for, or null; bild_geliefert once it is filled.
Bild* bild_angefordert();
void bild_geliefert();
