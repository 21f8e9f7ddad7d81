// The distance of two atoms along the line through both, with what hangs on the second.
#include "edit/abstand.h"

#include <cstdio>

#include "io/zeilen.h"
#include "model/elemente.h"
#include "model/nachschieben.h"
#include "model/tabellen.h"
#include "model/undoliste.h"

void abstand_setzen(int a, int b, double abstand, bool nachschieben) {
  Vektor3d p = atomliste[b].p - atomliste[a].p;
  Vektor3d alt = atomliste[b].p;
  atomliste[b].p = atomliste[a].p + p * (abstand / abs(p));
  if (!nachschieben) return;
  atomliste[a].tmpflag = atomliste[b].tmpflag = 1;
  atome_nachschieben(b, atomliste[b].p - alt, false);
}

void bindungslaenge_automatisch() {
  int a = selectlist[0], b = selectlist[1];
  int i = bindung_suchen(a, b);
  if (i == anz_bonds) {
    std::printf("keine Bindung zwischen Atom %d und Atom %d\n", a, b);
    return;
  }
  bondliste[i].n1 = a;
  bondliste[i].n2 = b;
  double ist = abs(atomliste[b].p - atomliste[a].p);
  double soll = standardbindungslaenge(atomliste[a].name, atomliste[b].name, bondliste[i].strong);
  if (fastgleichd(soll, ist, 1e-4)) {
    std::puts("Abstand stimmt schon");
    return;
  }
  if (ist == 0 || !(soll > 0)) {
    std::puts("Abstand nicht korrigierbar");
    return;
  }
  Undo& u = undoliste[undo_add(2, i)];
  u.bond = bondliste[i];
  u.abstand = ist;
  u.flag = 1;
  std::printf("Abstand korrigiert auf %f\n", soll);
  abstand_setzen(a, b, soll, true);
}
