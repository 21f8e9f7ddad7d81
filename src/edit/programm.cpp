// Commands about the program as a whole.
#include "edit/programm.h"

#include <cstdio>

#include "io/start.h"
#include "ui/menu.h"
#include "ui/requester.h"
#include "view/ansicht.h"

void m_quit(long) {
  menu.stop_loop();
  exitflag = 1;
}

void m_ueber(long) {
  char text[80];
  std::snprintf(text, sizeof text, "quil\n%s", versionstext);
  janeinrequester(text, "ok", nullptr);
}
