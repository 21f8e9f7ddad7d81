// The modes both threads use, with their start values.
#include "model/zustand.h"

std::atomic<int> exitflag{0};
std::atomic<int> edit_modus{0};
std::atomic<int> aktives_molekuel{0};
std::atomic<int> winkelmausflag{0};
std::atomic<int> ansicht_anpassen{1};
