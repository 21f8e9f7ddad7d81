// Commands about the program as a whole.
#pragma once

// "Exit": ends the menu thread and lets the next frame end the process with status 0.
void m_quit(long id);
// "Ueber": shows the program's name and version.
void m_ueber(long id);

// The help text: the mouse and the keys of the window.
extern const char* const hilfetext;
// "Hilfe  H", keys H and ?: shows the help text.
void m_hilfe(long id);

// Non-zero: menu commands report their call on standard output.
extern int menu_debug;
// "Editmodus off   <ESC>": the camera commands act on the view again, not on one molecule.
void m_edit_off(long id);
