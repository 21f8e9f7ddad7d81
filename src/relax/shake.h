// The shake relaxation: step by step, the bonds and lone pairs around each atom spread apart,
// bond lengths unchanged. It runs one step per frame until a step turns nothing.
#pragma once

#include <atomic>

extern std::atomic<int> shakeflag;  // non-zero while the relaxation runs
// Guarded by tabellen_sperre, like the tables the steps change:
extern int shakecnt;      // steps since the start; sets the step size
extern int shakelist[4];  // the atoms to visit when only selected atoms relax
extern int j_shake;       // entries of shakelist in use; 0: every atom

// "Shake": marks the ring atoms and starts the relaxation, of the selected atoms or of all.
void m_shake(long id);
// "Shake off  <ESC>": stops it.
void m_shake_off(long id);
// The relaxation's part of a frame, after the picture is shown: one step while it runs, and
// "shake fertig" when that step turned nothing. True when another frame is wanted.
bool shake_bild();

// One step over the atoms to visit; stops the relaxation when it turned nothing. Lock held.
void shake_machen();
// One pivot: adds its missing lone pairs and turns every neighbour but the first a little away
// from the others; the number of turns. Lock held.
int shake_atom(int anr);
// The step-size factor after cnt steps.
double korrfakt(int cnt);
// Marks every atom that lies on a closed path of at least three atoms (bit 0 of flags). Lock held.
void ringe_markieren();
bool istwasserstoff(int anr);  // "H" or "D"
bool isring(int anr);
