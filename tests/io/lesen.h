// What the reader tests share: what a reader prints and leaves in the tables, as one text.
#pragma once

#include <gtest/gtest.h>

#include <sstream>

#include "model/tabellen.h"
#include "testhilfe.h"

// What leser prints, "|", the molecules "nr:first atom+atoms/bonds", atoms "name(x,y,z)", bonds "a-b:order" (<= 100).
inline std::string gelesen(const std::string& text, const std::function<void(FILE*)>& leser) {
  std::ostringstream s;
  s << ausgabe_von([&] { aus_text(text, leser); }) << '|';
  for (const Molekuel* m = molekuel; m < molekuel + anz_molek; m++)
    s << ' ' << m->nr << ':' << m->ia << '+' << m->natoms << '/' << m->nbonds;
  for (const Atomlist* a = atomliste; a < atomliste + anz_atome && anz_atome <= 100; a++)
    s << ' ' << a->name << '(' << a->p.x << ',' << a->p.y << ',' << a->p.z << ')';
  for (const Bondlist* b = bondliste; b < bondliste + anz_bonds && anz_bonds <= 100; b++)
    s << ' ' << b->n1 << '-' << b->n2 << ':' << b->strong;
  return s.str();
}

struct Fall { std::string name, text, erwartet; };

// Reads each text into empty tables: what gelesen gives, less the first ohne lines printed, is erwartet.
inline void pruefen(const std::vector<Fall>& faelle, const std::function<void(FILE*)>& leser, int ohne = 0) {
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.name);
    tabellen_leeren();
    std::string ausgabe = gelesen(f.text, leser);
    for (int i = 0; i < ohne; i++) ausgabe.erase(0, ausgabe.find('\n') + 1);
    EXPECT_EQ(ausgabe, f.erwartet);
  }
}
