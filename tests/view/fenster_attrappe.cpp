// Stand-ins for the window layer: picking and redraw requests are recorded, not performed.
#include "fenster_attrappe.h"

#include "model/tabellen.h"
#include "view/eingabe.h"

std::vector<std::pair<int, int>> klicks;
int neuzeichnungen = 0;

int atomklick(int x, int y) {
  klicks.emplace_back(x, y);
  return anz_atome;
}

void neu_zeichnen() { neuzeichnungen++; }
