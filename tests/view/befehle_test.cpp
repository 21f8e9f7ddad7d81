// The menu bar as it is registered: titles, rows, texts and handlers, cell by cell.
#include <gtest/gtest.h>

#include <map>

#include "edit/atome.h"
#include "edit/datei.h"
#include "edit/neuesatom.h"
#include "edit/programm.h"
#include "edit/undo.h"
#include "edit/winkel.h"
#include "relax/shake.h"
#include "ui/menu.h"
#include "view/befehle.h"

TEST(Befehle, Menutabelle) {
  std::map<funkzeiger, std::string> namen = {
      {m_open_file, "m_open_file"}, {m_save_file, "m_save_file"}, {m_quit, "m_quit"}, {m_undo, "m_undo"},
      {m_atom_aendern, "m_atom_aendern"}, {m_bindung, "m_bindung"}, {m_molek_rot, "m_molek_rot"},
      {m_neuesatom, "m_neuesatom"}, {m_edit_off, "m_edit_off"}, {m_shake, "m_shake"},
      {m_shake_off, "m_shake_off"}, {m_ueber, "m_ueber"}, {m_hilfe, "m_hilfe"}};
  menu.setmenu(0);
  menu_eintragen();
  std::string tabelle;
  for (int i = 0; i < menu.imax; i++)
    tabelle += mainmenu[i].text + (mainmenu[i].fun ? " " + namen[mainmenu[i].fun] : "") + (i % 4 == 3 ? "\n" : "|");
  EXPECT_EQ(tabelle,
            "File|Edit|Optimize|Hilfe\n"
            "Open File... m_open_file|Undo m_undo|Shake m_shake|Ueber m_ueber\n"
            "Save File... m_save_file|Atom aendern... m_atom_aendern|Shake off  <ESC> m_shake_off|Hilfe  H m_hilfe\n"
            "Exit m_quit|Bindung aendern... m_bindung||\n"
            "|Molekuel rotieren... m_molek_rot||\n"
            "|neues Atom... m_neuesatom||\n"
            "|Editmodus off   <ESC> m_edit_off||\n");
}
