// Commands about the program as a whole.
#pragma once

// "Exit": ends the menu thread and lets the next frame end the process with status 0.
void m_quit(long id);
// "Ueber": shows the program's name and version.
void m_ueber(long id);
