// Drawing the molecules: atoms as lit spheres, bonds as cylinders or thick lines, and the
// coordinate cross. The shapes are built once per window and placed per atom and bond.
#pragma once

void formen_anlegen();  // after the window exists
void zeichne_molekuel();
void zeichne_kugel(double radius, double x, double y, double z);
void zeichne_solidekugel(double radius, double x, double y, double z);
void zeichne_bindung(int a, int b, int c);
void zeichne_koordinatenkreuz();
