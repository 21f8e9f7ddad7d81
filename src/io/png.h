// Pictures as PNG files, through libpng.
#pragma once

#include <vector>

// Encodes a picture of breite x hoehe pixels, three bytes (red, green, blue) each, its rows from the
// bottom up as OpenGL reads them; false when libpng fails.
bool png_kodieren(int breite, int hoehe, const unsigned char* rgb, std::vector<unsigned char>& png);
