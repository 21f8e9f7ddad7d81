// "Undo": taking back the newest record of the undo log.
#include "edit/undo.h"

#include <mutex>

#include "edit/abstand.h"
#include "geometry/quaternion.h"
#include "model/nachschieben.h"
#include "model/zustand.h"
#include "ui/dialoge.h"
#include "ui/menu.h"

namespace {

void atom_zuruecksetzen(const Undo& u) {
  if (atom_da(u.nr)) atomliste[u.nr].set(u.atomname, u.vektor, u.mnr);
}

void bindung_zuruecksetzen(const Undo& u) {
  if (u.bond.strong != 0 && u.nr >= 0 && u.nr < anz_bonds) bondliste[u.nr] = u.bond;
  int a = u.bond.n1, b = u.bond.n2;
  if (u.abstand == 0 || !atom_da(a) || !atom_da(b)) return;
  if (abs(atomliste[b].p - atomliste[a].p) > 0) abstand_setzen(a, b, u.abstand, u.flag != 0);
}

void drehung_zuruecksetzen(const Undo& u) {
  Quaternion q;
  q.drehung_definieren(u.drehachse, -u.abstand);
  if (u.flag == 0) {
    if (atom_da(u.i3)) atomliste[u.i3].p = u.vektor + q.vektordrehen(atomliste[u.i3].p - u.vektor);
    return;
  }
  if (!atom_da(u.nr) || !atom_da(u.i1) || !atom_da(u.nachschiebnr) || (u.flag == 2 && !atom_da(u.i0))) return;
  const int sperren[] = {u.i1, u.nr, u.i0};
  hinter_sperren_drehen(u.nachschiebnr, u.vektor, q, sperren, u.flag == 2 ? 3 : 2);
}

}  // namespace

void m_undo(long id) {
  if (id == 0) {
    menu.run(m_undo);
    return;
  }
  winkelmausflag = 0;
  bool leer = true;
  int typ = 0;
  {
    std::lock_guard<std::mutex> sperre(tabellen_sperre);
    leer = undo_anz == 0;
    if (!leer) {
      const Undo& u = undoliste[--undo_anz];
      typ = u.typ;
      if (typ == 1) atom_zuruecksetzen(u);
      if (typ == 2) bindung_zuruecksetzen(u);
      if (typ == 3) drehung_zuruecksetzen(u);
    }
  }
  if (leer)
    janeinrequester("Undo-Buffer empty\nnichts zu tun", "ok", nullptr);
  else if (typ < 1 || typ > 3)
    myprintd("Error: falscher undo-typ %d\n", typ);
}
