// The undo log: adding records, and following the renumbering of the tables.
#include "model/undoliste.h"

Undo undoliste[UNDO_MAX];
int undo_anz = 0;

namespace {

// The fields of a record that hold the numbers of atoms it acts on.
int atomfelder(Undo& u, int* felder[4]) {
  switch (u.typ) {
    case 1: felder[0] = &u.nr; return 1;
    case 2: felder[0] = &u.bond.n1, felder[1] = &u.bond.n2; return 2;
    case 3:
      felder[0] = &u.nr, felder[1] = &u.i1, felder[2] = &u.nachschiebnr;
      felder[3] = u.flag == 0 ? &u.i3 : u.flag == 2 ? &u.i0 : &u.i1;
      return 4;
  }
  return 0;
}

// False when the record acts on an atom that is gone (neu gives -1); otherwise every atom
// number i in it becomes neu(i).
template <class Nummer>
bool atome_umnummern(Undo& u, Nummer neu) {
  int* felder[4];
  int n = atomfelder(u, felder);
  for (int k = 0; k < n; k++)
    if (neu(*felder[k]) < 0) return false;
  for (int k = 0; k < n; k++) *felder[k] = neu(*felder[k]);
  return true;
}

// Keeps the records for which behalten is true, in their order.
template <class Bedingung>
void undo_filtern(Bedingung behalten) {
  int k = 0;
  for (int i = 0; i < undo_anz; i++)
    if (behalten(undoliste[i])) undoliste[k++] = undoliste[i];
  undo_anz = k;
}

}  // namespace

int undo_add(int typ, int nr) {
  if (undo_anz == UNDO_MAX) {
    for (int i = 1; i < UNDO_MAX; i++) undoliste[i - 1] = undoliste[i];
    undo_anz--;
  }
  undoliste[undo_anz] = Undo();
  undoliste[undo_anz].typ = typ;
  undoliste[undo_anz].nr = nr;
  return undo_anz++;
}

void undo_atom_geloescht(int anr, int c) {
  auto neu = [&](int i) { return i == anr ? -1 : i == c ? anr : i; };
  undo_filtern([&](Undo& u) { return atome_umnummern(u, neu); });
}

void undo_atom_herausgenommen(int anr) {
  auto neu = [&](int i) { return i == anr ? -1 : i > anr ? i - 1 : i; };
  undo_filtern([&](Undo& u) { return atome_umnummern(u, neu); });
}

void undo_atom_eingefuegt(int anr) {
  auto neu = [&](int i) { return i >= anr ? i + 1 : i; };
  undo_filtern([&](Undo& u) { return atome_umnummern(u, neu); });
}

void undo_molekuel_entfernt(int mnr) {
  for (int i = 0; i < undo_anz; i++) {
    undoliste[i].mnr -= undoliste[i].mnr > mnr;
    undoliste[i].bond.molekuelnr -= undoliste[i].bond.molekuelnr > mnr;
  }
}

void undo_bindung_geloescht(int i) {
  undo_filtern([&](Undo& u) {
    if (u.typ != 2) return true;
    if (u.nr == i) return u.bond.strong == 0;
    if (u.nr > i) u.nr--;
    return true;
  });
}
