// The commands of the menu bar and the keys that start commands.
#include "view/befehle.h"

#include <cstdio>
#include <mutex>

#include "edit/abstand.h"
#include "edit/atome.h"
#include "edit/datei.h"
#include "edit/export.h"
#include "edit/neuesatom.h"
#include "edit/programm.h"
#include "edit/undo.h"
#include "edit/winkel.h"
#include "model/aendern.h"
#include "model/tabellen.h"
#include "model/zustand.h"
#include "relax/epaare.h"
#include "relax/shake.h"
#include "ui/menu.h"
#include "view/winkelmaus.h"

namespace {

// ESC: first the selection goes, then the relaxation stops, then molecule edit mode ends.
void escape() {
  std::lock_guard<std::mutex> sperre(tabellen_sperre);
  if (nsel > 0) {
    auswahl_aufheben();
    winkelmausflag = 0;
  } else if (shakeflag) {
    shakeflag = 0;
    std::puts("shake off");
  } else if (edit_modus != 0) {
    edit_modus = 0;
    std::puts("edit off");
  }
}

// Key A: with two atoms selected their standard bond length, with one a new atom beside it. That
// command is handed to the menu thread, which pauses, so only after the lock is released.
void taste_a() {
  int auswahl;
  {
    std::lock_guard<std::mutex> sperre(tabellen_sperre);
    auswahl = nsel;
    if (auswahl == 2) bindungslaenge_automatisch();
  }
  if (auswahl == 1) m_neuesatom(0);
}

}  // namespace

bool befehlstaste(unsigned char c) {
  if (c == 13 || c == 27 || c == '?' || c == 'H') {
    if (c == 13) winkelmausflag = 0, m_atom_aendern(0);
    if (c == 27) escape();
    if (c == '?' || c == 'H') std::printf("\n%s\n", hilfetext), m_hilfe(0);
    return true;
  }
  if (c == 'A') {
    taste_a();
    return true;
  }
  if (c != 8 && c != 127) return false;
  std::lock_guard<std::mutex> sperre(tabellen_sperre);
  if (nsel != 1) return false;
  int anr = alle_freie_elektronen_loeschen(selectlist[0]);
  if (anr >= 0) atom_loeschen(anr);
  return true;
}

void menu_eintragen() {
  const char* const keiner = nullptr;  // the variadic list reads texts and handlers by their types
  const funkzeiger leer = nullptr;
  menu.setmenu(4, "File", "Edit", "Optimize", "Hilfe");
  menu.setmenu(4, "Open File...", "Undo", "Shake", "Ueber", m_open_file, m_undo, m_shake, m_ueber);
  menu.setmenu(4, "Save File...", "Atom aendern...", "Shake off  <ESC>", "Hilfe  H", m_save_file, m_atom_aendern,
               m_shake_off, m_hilfe);
  menu.setmenu(2, "Export...", "Bindung aendern...", m_export, m_bindung);
  menu.setmenu(2, "Exit", "Molekuel rotieren...", m_quit, m_molek_rot);
  menu.setmenu(2, keiner, "neues Atom...", leer, m_neuesatom);
  menu.setmenu(2, keiner, "Editmodus off   <ESC>", leer, m_edit_off);
}
