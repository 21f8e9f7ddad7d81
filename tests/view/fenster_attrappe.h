// Stand-ins for the window layer in the view tests.
#pragma once

#include <utility>
#include <vector>

extern std::vector<std::pair<int, int>> klicks;  // positions handed to atomklick
extern int neuzeichnungen;                        // redraw requests
