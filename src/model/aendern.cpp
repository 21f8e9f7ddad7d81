// Deleting and inserting atoms and bonds, and a molecule left without atoms.
#include "model/aendern.h"

#include <cstdio>

#include "model/undoliste.h"
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

// Removes every bond of atom anr.
void bindungen_loeschen(int anr) {
  for (int i = 0; i < anz_bonds;)
    if (bondliste[i].partner(anr) >= 0)
      bindung_loeschen(i);
    else
      i++;
}

}  // namespace

void bindung_anhaengen(const Bondlist& b) {
  bondliste[anz_bonds++] = b;
  molekuel[b.molekuelnr].nbonds++;
}

bool bindung_anfuegen(int a, int b, float c, int m) {
  if (anz_bonds == MAX_BONDS) {
    std::printf("zu viele Bindungen, auf %d begrenzt\n", MAX_BONDS);
    return false;
  }
  Bondlist neu;
  neu.set(a, b, c, m);
  bindung_anhaengen(neu);
  return true;
}

void bindung_loeschen(int i) {
  int m = bondliste[i].molekuelnr;
  if (m >= 0 && m < anz_molek) molekuel[m].nbonds--;
  for (int k = i + 1; k < anz_bonds; k++) bondliste[k - 1] = bondliste[k];
  bondliste[--anz_bonds] = Bondlist();
  undo_bindung_geloescht(i);
}

bool atom_loeschen(int anr) {
  if (anz_atome <= 1 || !atom_da(anr)) {
    std::puts("Fehler in atom_loeschen()");
    return false;
  }
  int mnr = atomliste[anr].molekuelnr;
  if (molekuel[mnr].natoms == 1) {
    std::printf("Letztes Atom in Molekuel %d, nicht geloescht\n", mnr);
    return false;
  }
  if (mnr + 1 != anz_molek) {
    std::puts("nur in aktuellstem Molekuel bisher Atome loeschbar");
    return false;
  }
  bindungen_loeschen(anr);
  auswahl_aufheben();
  int c = --anz_atome;
  molekuel[mnr].natoms--;
  if (anr != c) {
    atomliste[anr] = atomliste[c];
    for (int i = 0; i < anz_bonds; i++) {
      if (bondliste[i].n1 == c) bondliste[i].n1 = anr;
      if (bondliste[i].n2 == c) bondliste[i].n2 = anr;
    }
  }
  atomliste[c] = Atomlist();
  undo_atom_geloescht(anr, c);
  return true;
}

void atom_herausnehmen(int e) {
  bindungen_loeschen(e);
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

int atom_einfuegen(int mnr, const char* name, Vektor3d p) {
  Molekuel& m = molekuel[mnr];
  int neu = m.ia + m.natoms;
  for (int i = anz_atome; i > neu; i--) atomliste[i] = atomliste[i - 1];
  anz_atome++;
  atomliste[neu] = Atomlist();
  atomliste[neu].set(name, p, mnr);
  m.natoms++;
  for (int k = mnr + 1; k < anz_molek; k++) molekuel[k].ia++, molekuel[k].atom++;
  auto folgen = [neu](int& n) { n += n >= neu; };
  for (int i = 0; i < anz_bonds; i++) folgen(bondliste[i].n1), folgen(bondliste[i].n2);
  for (int k = 0; k < nsel; k++) folgen(selectlist[k]);
  undo_atom_eingefuegt(neu);
  return neu;
}
