// New atoms beside an anchor atom, in the direction freieposition finds.
#include "edit/neuesatom.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <mutex>

#include "io/zeilen.h"
#include "model/aendern.h"
#include "model/elemente.h"
#include "model/freieposition.h"
#include "model/tabellen.h"
#include "relax/epaare.h"
#include "ui/dialoge.h"
#include "ui/menu.h"

namespace {

// One capital letter, optionally followed by one small letter.
bool elementname(const char* s) {
  std::size_t n = std::strlen(s);
  return n >= 1 && n <= 2 && std::isupper(static_cast<unsigned char>(s[0])) &&
         (n == 1 || std::islower(static_cast<unsigned char>(s[1])));
}

// The first atom of all: atom 0 at the origin, alone in molecule 0.
void erstes_atom(const char* name) {
  Vektor3d p;
  anz_bonds = 0;
  anz_molek = 1;
  molekuel[0].init(0, 1, 0);
  molekuel[0].addatom(name, p);
}

// The direction from atom anr1 to its free place; +x where that has none (an atom of radius 0, a
// neighbour at its place).
Vektor3d freie_richtung(int anr1) {
  Vektor3d richtung = einheit(freieposition(anr1) - atomliste[anr1].p);
  return std::isfinite(abs(richtung)) ? richtung : Vektor3d(1, 0, 0);
}

// Atom name beside anchor anr1 in the direction richtung, in anr1's molecule, bonded with order
// strong when it is above 0.
void anlegen(const char* name, int anr1, Vektor3d richtung, double strong) {
  int mnr = atomliste[anr1].molekuelnr;
  Vektor3d p = atomliste[anr1].p + standardbindungslaenge(name, atomliste[anr1].name, strong) * richtung;
  int anr2 = anz_atome++;
  atomliste[anr2].set(name, p, mnr);
  molekuel[mnr].natoms++;
  if (!(strong > 0)) return;
  if (anz_bonds == MAX_BONDS) {
    std::puts("zu viele Bindungen");
    return;
  }
  Bondlist b;
  b.set(anr1, anr2, static_cast<float>(strong), mnr);
  bindung_anhaengen(b);
}

}  // namespace

void m_neuesatom(long id) {
  if (id == 0) {
    menu.run(m_neuesatom);
    return;
  }
  static char name[80] = "C";
  double strong = 0;
  int anker = -1;
  Vektor3d richtung;
  {
    std::lock_guard<std::mutex> sperre(tabellen_sperre);
    if (anz_atome > 0) {
      anker = nsel > 0 ? selectlist[0] : anz_atome - 1;
      strong = nsel > 0 ? 1.0 : 0.0;
      int mnr = atomliste[anker].molekuelnr;
      if (mnr + 1 != anz_molek) {
        std::printf("Molekuel %d bisher nicht veraenderbar,nur Molekuel %d\n", mnr, anz_molek - 1);
        return;
      }
      anker = freie_elektronen_loeschen(anker);  // -1 when it was a lone pair bonded to itself
      if (atom_da(anker)) richtung = freie_richtung(anker);
    }
    if (anz_atome == MAX_ATOME) {
      std::puts("zu viele Atome");
      return;
    }
  }
  if (requester_input(2, "Neues Atom", "%s", "%s", name, "Bindung", "%.1f", "%lf\n", &strong) != 1) return;
  strclean(name);
  if (!elementname(name)) {
    std::puts("ungueltiges Atom");
    return;
  }
  if (!std::isfinite(strong)) {
    janeinrequester("ungueltige Zahl\nnichts veraendert", "ok", nullptr);
    return;
  }
  std::lock_guard<std::mutex> sperre(tabellen_sperre);
  if (anz_atome == 0)
    erstes_atom(name);
  else if (atom_da(anker) && anz_atome < MAX_ATOME)
    anlegen(name, anker, richtung, strong);
}
