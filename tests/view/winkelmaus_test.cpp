// Angle mode: drags of the left or middle button turn the selected angle in half-degree steps,
// one undo record per drag, which takes the atoms back.
#include <gtest/gtest.h>

#include "edit/undo.h"
#include "edit/winkel.h"
#include "relax/shake.h"
#include "testhilfe.h"
#include "view/ansicht.h"
#include "view/eingabe.h"
#include "view/winkelmaus.h"

namespace {

// A0-B1-C2-D3 with E4 on B1 and F5 on C2: the angle 0-1-2 is w degrees, the dihedral 0-1-2-3 is 90.
void bauen(double w) {
  tabellen_leeren();
  undo_anz = 0;
  Vektor3d c(std::cos(w * M_PI / 180), std::sin(w * M_PI / 180), 0);
  Vektor3d p[] = {{1, 0, 0}, {}, c, c + Vektor3d(0, 0, 1), {-0.6, -0.3, -0.5}, c + Vektor3d(0.5, 0.5, -0.5)};
  molekuel[0].init(anz_molek++, 6, 5);
  for (Vektor3d& q : p) molekuel[0].addatom("C", q);
  for (auto [a, b] : {std::pair{0, 1}, {1, 2}, {2, 3}, {1, 4}, {2, 5}}) molekuel[0].addbond(a, b, 1);
}

double grad(int n) {
  Atomlist* a = atomliste;
  return (n == 3 ? vektorwinkel2(a[0].p - a[1].p, a[2].p - a[1].p) : diederwinkel(a, a + 1, a + 2, a + 3)) * 180 / M_PI;
}

TEST(Winkelmaus, Ziehen) {
  // angle mode, atoms selected, the angle at the start, the button, where the pointer goes from the press; the
  // angle afterwards, the turn the undo record holds (degrees), the atoms moved
  const std::tuple<const char*, int, std::vector<int>, double, int, std::vector<Intvektor>, double, double, const char*>
      faelle[] = {
      {"2 px rechts", 1, {0, 1, 2}, 104.5, 0, {{2, 0}}, 105, 0.5, "235"},
      {"und zurueck", 1, {0, 1, 2}, 104.5, 0, {{2, 0}, {1, 0}, {0, 0}}, 104.5, 0, ""},
      {"Grenze 30 Grad", 1, {0, 1, 2}, 31, 0, {{-2, 0}, {-4, 0}, {-6, 0}, {-4, 0}}, 30.5, -0.5, "235"},
      {"von 20 Grad auf 30", 1, {0, 1, 2}, 20, 0, {{-2, 0}}, 30, 10, "235"},
      {"durch 180 Grad", 1, {0, 1, 2}, 179.8, 0, {{0, -2}, {0, -4}}, 179.2, 1, "235"},
      {"N", 2, {0, 1, 2}, 104.5, 0, {{2, 0}}, 105, 0.5, "2345"},
      {"mittlerer Knopf", 1, {0, 1, 2}, 104.5, 1, {{2, 0}}, 104, -0.5, "235"},
      {"Gleichstand geht nach y", 1, {0, 1, 2}, 104.5, 0, {{2, 2}}, 104, -0.5, "235"},
      {"unter 2 Pixeln", 1, {0, 1, 2}, 104.5, 0, {{1, 1}}, 104.5, 0, ""},
      {"Dieder", 1, {0, 1, 2, 3}, 104.5, 0, {{2, 0}}, 90.5, -0.5, "3"},
      {"Dieder N", 2, {0, 1, 2, 3}, 104.5, 0, {{0, 2}, {0, 4}}, 89, 1, "35"},
      {"zwei Atome", 1, {0, 1}, 104.5, 0, {{2, 0}}, 104.5, 0, ""},
  };
  for (const auto& [name, modus, auswahl, anfang, knopf, wege, soll, gebucht, wer] : faelle) {
    SCOPED_TRACE(name);
    bauen(anfang);
    for (int a : auswahl) atomliste[a].select(a);
    std::vector<Vektor3d> start = positionen();
    winkelmausflag = modus;
    mausknopf(knopf, 0, 300, 300);
    for (Intvektor w : wege) mausmotion(300 + w.x, 300 + w.y);
    mausknopf(knopf, 1, 300, 300);
    EXPECT_EQ(bewegt(start), wer);
    EXPECT_NEAR(grad(auswahl.size() == 4 ? 4 : 3), soll, 1e-9);
    EXPECT_NEAR(undo_anz ? undoliste[0].abstand * 180 / M_PI : 0, gebucht, 1e-9);
    Intvektor w = wege[0];
    EXPECT_EQ(undo_anz * 10 + winkelmausflag, auswahl.size() > 2 ? (w.x * w.x + w.y * w.y >= 4) * 10 + modus : 0);
    bedienen(m_undo, undo_anz ? std::vector<Antwort>{} : std::vector<Antwort>{{"Undo-Buffer empty"}});
    EXPECT_EQ(bewegt(start), "");
  }
}

// M and N switch angle mode on with more than two atoms selected; ESC clears the selection and angle
// mode, then stops the relaxation, then leaves molecule edit mode.
TEST(Winkelmaus, TastenUndEscape) {
  bauen(100);
  std::string modi;
  for (int a : {0, 1, 2}) {
    atomliste[a].select(a);
    for (char c : {'m', 'N'}) key(c, 0, 0), modi += std::to_string(winkelmausflag);
  }
  EXPECT_EQ(modi, "000012");
  shakeflag = 1, edit_modus = 1;
  std::string aus = ausgabe_von([] { key(27, 0, 0); });
  EXPECT_EQ(aus + std::to_string(nsel * 100 + winkelmausflag * 10 + shakeflag), "1");
  EXPECT_EQ(ausgabe_von([] { key(27, 0, 0), key(27, 0, 0); }), "shake off\nedit off\n");
  EXPECT_EQ(shakeflag + edit_modus, 0);
}

}  // namespace
