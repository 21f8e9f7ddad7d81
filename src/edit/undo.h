// "Undo": takes back the newest record of the undo log, newest first.
#pragma once

#include "model/undoliste.h"

void m_undo(long id);
