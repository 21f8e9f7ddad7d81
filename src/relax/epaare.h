// Removing the lone-pair pseudo-atoms ("e") that the relaxation adds, before anything that
// must not see them. Both follow one atom number through the renumbering. Caller holds the lock.
#pragma once

// Removes the lone pairs bonded to atom anr; returns the number anr has afterwards.
int freie_elektronen_loeschen(int anr);
// Removes every lone pair of every molecule (a molecule of lone pairs alone goes with them);
// returns the number atom folgen has afterwards, -1 when it was removed itself or folgen was -1.
int alle_freie_elektronen_loeschen(int folgen = -1);
