// Glyph tables of the three bitmap fonts: 256 glyphs each in layout 1, generated into
// fontdaten.cpp by tools/fonts_erzeugen.
#pragma once

extern const unsigned char myfont6x8[2048];
extern const unsigned char myfont9x12[6144];
extern const unsigned char myfont12x16[8192];
