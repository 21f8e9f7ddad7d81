// Removing lone-pair pseudo-atoms. In the newest molecule through atom_loeschen, which moves the
// last atom into the gap; elsewhere every later atom moves down, so that each molecule keeps its
// unbroken run of atom numbers.
#include "relax/epaare.h"

#include "model/aendern.h"
#include "model/tabellen.h"

namespace {

// Deletes lone pair e; folgen follows the atom it names (-1 when it was e itself).
void loeschen_folgend(int e, int& folgen) {
  int mnr = atomliste[e].molekuelnr, letztes = anz_atome - 1;
  bool wie_sonst = mnr + 1 == anz_molek && molekuel[mnr].natoms > 1;
  if (wie_sonst)
    atom_loeschen(e);
  else
    atom_herausnehmen(e);
  if (folgen == e)
    folgen = -1;
  else if (wie_sonst && folgen == letztes)
    folgen = e;
  else if (!wie_sonst && folgen > e)
    folgen--;
}

}  // namespace

int freie_elektronen_loeschen(int anr) {
  for (int i = 0; anr >= 0 && i < anz_bonds;) {
    int e = bondliste[i].partner(anr);
    if (e >= 0 && isepaar(e))
      loeschen_folgend(e, anr);
    else
      i++;
  }
  if (anr >= 0) atomliste[anr].nep = 0;
  return anr;
}

int alle_freie_elektronen_loeschen(int folgen) {
  for (int i = 0; i < anz_atome;)
    if (isepaar(i))
      loeschen_folgend(i, folgen);
    else
      i++;
  for (int i = 0; i < anz_atome; i++) atomliste[i].nep = 0;
  return folgen;
}
