// Commands about the program as a whole.
#include "edit/programm.h"

#include "ui/menu.h"
#include "view/ansicht.h"

void m_quit(long) {
  menu.stop_loop();
  exitflag = 1;
}
