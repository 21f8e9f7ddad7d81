// The state of the view with its start values.
#include "view/ansicht.h"

int bildbreite = 1200, bildhoehe = 900;
int bildposx = 30, bildposy = 10;
int win0 = 0;
double DX = 12.0 / 1200, DY = 9.0 / 900;
Vektor3d eye(0, 0, 10), cent(0, 0, 0), up(0, 1, 0);
int solidflag = 1;
int ambientflag = 1;
int cylinderflag = 1;
double kugelskal = 1.0;
int fadenkreuz = 0;
std::atomic<int> exitflag{0};
Intvektor maus_pos;
int maus_knopf = -1;
bool maus_movflag = false;
std::atomic<int> edit_modus{0};
std::atomic<int> aktives_molekuel{0};
