// Commands about the program as a whole.
#include "edit/programm.h"

#include <cstdio>
#include <mutex>

#include "io/start.h"
#include "model/tabellen.h"
#include "model/zustand.h"
#include "ui/dialoge.h"
#include "ui/menu.h"

void m_quit(long) {
  menu.stop_loop();
  exitflag = 1;
}

void m_ueber(long) {
  char text[80];
  std::snprintf(text, sizeof text, "quil\n%s", versionstext);
  janeinrequester(text, "ok", nullptr);
}

const char* const hilfetext =
    "    Hilfe\n"
    "    ----\n"
    "\n"
    "Maus mit linker Taste: Objekt drehen um x- und y-Achse\n"
    "Maus mit mittlerer Taste: Objekt drehen um z-Achse\n"
    "Maus mit rechter Taste: Objekt verschieben in x-y-Richtung\n"
    "Mausrad: Objekt von Kamera weg/hin bewegen (zoomen)\n"
    "Mausklick auf ein Atom: Atom selektieren\n"
    "Tastatur:\n"
    "  F: Koordinaten-Kreuz zeichnen/ausschalten\n"
    "  S: umschalten zw. Drahtkugeln oder Solide Kugeln\n"
    "  T: Ambientlicht ein/aus\n"
    "  K: Kugelgroessen skalieren\n"
    "  L: Bindungen als Zylinder oder als Dicke Linien zeichnen\n"
    "  Enter: Editiere Atom, Bindung, Winkel oder Diederwinkel\n"
    "         (zuvor 1 bis 4 Atome mit Mausklick selektieren)\n"
    "  ESC: Selektierungen von Atomen aufheben\n"
    "  M: Maus verwenden um Winkel zu aendern (zuvor 3 bis 4 Atome selektieren)\n"
    "  N: wie M aber ab mittlerem Atom alles mitdrehen\n"
    "  A: automatisch Bindungslaenge setzen (zuvor 2 Atome selektieren)\n"
    "  Home: Kamera auf Anfangsposition ruecksetzen";

void m_hilfe(long id) {
  if (id == 0) {
    menu.run(m_hilfe);
    return;
  }
  janeinrequester(hilfetext, "ok", nullptr);
}

int menu_debug = 1;

void m_edit_off(long id) {
  if (id == 0) {
    menu.run(m_edit_off);
    return;
  }
  if (menu_debug) std::printf("Menu \"m_edit_off\" aufgerufen (id=%ld)\n", id);
  std::lock_guard<std::mutex> sperre(tabellen_sperre);
  edit_modus = 0;
}
