// Which menu entry and which key start which command.
#pragma once

// Fills the menu bar: the titles "File", "Edit", "Optimize", "Hilfe", then one call per row;
// an empty cell is a null text with a null handler.
void menu_eintragen();
// The keys that start commands, after the upper-case conversion; false when the key starts none
// in the present state (the view then treats it as its own key).
bool befehlstaste(unsigned char c);
