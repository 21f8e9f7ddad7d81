// PNG encoding with libpng's simplified interface, into memory, so that a failure leaves no file.
#include "io/png.h"

#include <png.h>

bool png_kodieren(int breite, int hoehe, const unsigned char* rgb, std::vector<unsigned char>& png) {
  png_image bild{};
  bild.version = PNG_IMAGE_VERSION;
  bild.width = static_cast<png_uint_32>(breite);
  bild.height = static_cast<png_uint_32>(hoehe);
  bild.format = PNG_FORMAT_RGB;
  png.resize(PNG_IMAGE_PNG_SIZE_MAX(bild));
  png_alloc_size_t groesse = png.size();
  // A negative row stride: the rows lie bottom-up in memory.
  bool gut = png_image_write_to_memory(&bild, png.data(), &groesse, 0, rgb, -3 * breite, nullptr) != 0;
  png.resize(gut ? groesse : 0);
  return gut;
}
