// The request for a picture: one pointer that the menu thread sets and the main thread clears.
#include "ui/bildabzug.h"

#include <unistd.h>

#include <atomic>
#include <cstdio>

#include "ui/menu.h"

namespace {

std::atomic<Bild*> anfrage{nullptr};

}  // namespace

bool bild_anfordern(Bild& bild) {
  if (im_hauptthread()) {
    std::puts("Fehler: Bild im Hauptthread angefordert - abgelehnt, er wuerde das Programm anhalten");
    return false;
  }
  anfrage = &bild;
  while (anfrage.load() != nullptr) {
    // Once the loop has ended no frame is drawn any more, so the main thread cannot be filling bild.
    if (hauptschleife_beendet) {
      anfrage = nullptr;
      return false;
    }
    usleep(10000);
  }
  return true;
}

Bild* bild_angefordert() { return anfrage.load(); }

void bild_geliefert() { anfrage = nullptr; }
