// The atom and bond dialogs: changing a single atom or bond.
#pragma once

// "Atom aendern..." and Enter: by the number of selected atoms the atom dialog (0 or 1), the
// bond dialog (2) or the angle dialogs (3, 4).
void m_atom_aendern(long id);
// "Bindung aendern...": order and length of the bond between two atoms; order 0 deletes it.
void m_bindung(long id);
