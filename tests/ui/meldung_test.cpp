// The message line: the last complete line that is not empty, however the text arrives.
#include "ui/meldung.h"

#include <gtest/gtest.h>

#include <string>

TEST(Meldung, LetzteVolleZeile) {
  struct Fall {
    std::string geschrieben, zeigt;
  };
  const Fall faelle[] = {
      {"versuche unbekanntes Format zu lesen:\nzeile1=\"", "versuche unbekanntes Format zu lesen:"},
      {"x\"\n\n  \n", "zeile1=\"x\""},  // empty and blank lines leave it
      {"a.pdb eingelesen  \r\n", "a.pdb eingelesen"},
      {std::string(300, 'w') + "\n", std::string(200, 'w')},
  };
  for (const Fall& f : faelle) {
    meldung_mitschreiben(f.geschrieben.data(), f.geschrieben.size());
    EXPECT_EQ(meldung_jetzt(), f.zeigt);
  }
  meldung_setzen("konnte \"fehlt.xyz\" nicht oeffnen\n");
  EXPECT_EQ(meldung_jetzt(), "konnte \"fehlt.xyz\" nicht oeffnen");
}
