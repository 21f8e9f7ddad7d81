// The window's size, with the size it opens in.
#include "ui/fenster.h"

std::atomic<int> bildbreite{1200}, bildhoehe{900};
