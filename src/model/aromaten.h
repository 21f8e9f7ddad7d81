// Aromatic rings of a bond graph with its double bonds placed (one Kekule structure): planar
// rings, every atom in the conjugated system, 4n+2 pi electrons; fused pairs of rings too.
#pragma once

#include <vector>

#include "model/bindungsgraph.h"

// Which bonds lie on a ring (1) and which do not (0).
std::vector<char> ringbindungen(const Bindungsgraph& g);
// Marks the bonds of every aromatic ring; a bond that two rings share, aromatic only round their
// common rim (as in azulene), becomes single.
void aromaten_markieren(Bindungsgraph& g);
