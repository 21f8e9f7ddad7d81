// New atoms, put in the free place beside an anchor atom.
#pragma once

// "neues Atom..." and key A with one atom selected: a new atom of the newest molecule beside the
// selected (else the last) atom, at the standard bond length, bonded when an order is given.
void m_neuesatom(long id);
