// Filled and outlined rectangles for the overlay of the menu bar and the requesters.
#pragma once

// Both take two opposite corners in the overlay projection, in the current colour.
void flaeche(double x1, double y1, double x2, double y2);
void rahmen(double x1, double y1, double x2, double y2);
