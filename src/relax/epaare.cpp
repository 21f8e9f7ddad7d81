// Removing lone-pair pseudo-atoms. In the newest molecule through atom_loeschen, which moves the
// last atom into the gap; elsewhere every later atom moves down, so that each molecule keeps its
// unbroken run of atom numbers.
#include "relax/epaare.h"

#include "edit/atome.h"
#include "edit/undo.h"
#include "model/tabellen.h"
#include "model/zustand.h"

namespace {

// Molecule mnr, left without atoms, goes; the later molecules move down by one.
void molekuel_entfernen(int mnr) {
  for (int k = mnr + 1; k < anz_molek; k++) {
    molekuel[k - 1] = molekuel[k];
    molekuel[k - 1].nr = k - 1;
  }
  molekuel[--anz_molek] = Molekuel();
  for (int i = 0; i < anz_atome; i++) atomliste[i].molekuelnr -= atomliste[i].molekuelnr > mnr;
  for (int i = 0; i < anz_bonds; i++) bondliste[i].molekuelnr -= bondliste[i].molekuelnr > mnr;
  undo_molekuel_entfernt(mnr);
  if (aktives_molekuel == mnr) edit_modus = 0;
  if (aktives_molekuel > mnr) aktives_molekuel--;
}

// Takes atom e out of any molecule: its bonds go and every later atom moves down by one.
void herausnehmen(int e) {
  for (int i = 0; i < anz_bonds;)
    if (bondliste[i].partner(e) >= 0)
      bindung_loeschen(i);
    else
      i++;
  auswahl_aufheben();
  int mnr = atomliste[e].molekuelnr;
  for (int i = e + 1; i < anz_atome; i++) atomliste[i - 1] = atomliste[i];
  atomliste[--anz_atome] = Atomlist();
  for (int i = 0; i < anz_bonds; i++) {
    bondliste[i].n1 -= bondliste[i].n1 > e;
    bondliste[i].n2 -= bondliste[i].n2 > e;
  }
  for (int k = mnr + 1; k < anz_molek; k++) molekuel[k].ia--, molekuel[k].atom--;
  undo_atom_herausgenommen(e);
  if (--molekuel[mnr].natoms == 0) molekuel_entfernen(mnr);
}

// Deletes lone pair e; folgen follows the atom it names (-1 when it was e itself).
void loeschen_folgend(int e, int& folgen) {
  int mnr = atomliste[e].molekuelnr, letztes = anz_atome - 1;
  bool wie_sonst = mnr + 1 == anz_molek && molekuel[mnr].natoms > 1;
  if (wie_sonst)
    atom_loeschen(e);
  else
    herausnehmen(e);
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
