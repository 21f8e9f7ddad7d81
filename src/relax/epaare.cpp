// Removing lone-pair pseudo-atoms through atom_loeschen, which moves the last atom into the gap.
#include "relax/epaare.h"

#include "edit/atome.h"
#include "model/tabellen.h"

namespace {

// Deletes atom e; folgen follows the atom it names. False when the deletion was refused.
bool loeschen_folgend(int e, int& folgen) {
  int letztes = anz_atome - 1;
  if (!atom_loeschen(e)) return false;
  if (folgen == e)
    folgen = -1;
  else if (folgen == letztes)
    folgen = e;
  return true;
}

// The other end of bond i when atom anr is one of its ends, else -1.
int partner(int i, int anr) {
  const Bondlist& b = bondliste[i];
  return b.n1 == anr ? b.n2 : b.n2 == anr ? b.n1 : -1;
}

}  // namespace

int freie_elektronen_loeschen(int anr) {
  for (int i = 0; anr >= 0 && i < anz_bonds;) {
    int e = partner(i, anr);
    if (e < 0 || !isepaar(e) || !loeschen_folgend(e, anr)) i++;
  }
  if (anr >= 0) atomliste[anr].nep = 0;
  return anr;
}

int alle_freie_elektronen_loeschen(int folgen) {
  for (int i = 0; i < anz_atome;)
    if (!isepaar(i) || !loeschen_folgend(i, folgen)) i++;
  for (int i = 0; i < anz_atome; i++) atomliste[i].nep = 0;
  return folgen;
}
