// Commands about the program: the about box on the menu thread, and Exit.
#include <gtest/gtest.h>

#include <thread>

#include "edit/programm.h"
#include "testhilfe.h"
#include "ui/menu.h"
#include "ui/requester.h"
#include "view/ansicht.h"

namespace {

TEST(Programm, UeberZeigtNameUndVersion) {
  std::thread menuthread(m_ueber, 1L);
  ASSERT_TRUE(warten_bis([] { return requester1.aktiv.load(); }));
  EXPECT_STREQ(requester1.text, "quil\nVersion 0.8");
  EXPECT_STREQ(requester1.jatext, "ok");
  EXPECT_STREQ(requester1.neintext, "");
  requester1.key(13, 0, 0);
  menuthread.join();
  EXPECT_FALSE(requester1.aktiv);
}

TEST(Programm, ExitBeendetDenMenuthreadUndDasProgramm) {
  menu.reset();
  std::thread menuthread(&Menubalken::loop, &menu);
  m_quit(7);
  menuthread.join();  // returns only because the loop was stopped
  EXPECT_EQ(exitflag, 1);
  exitflag = 0;
}

}  // namespace
