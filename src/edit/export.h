// "Export...": the molecules, or a picture of the scene, in a file other programs read.
#pragma once

#include "io/datei.h"
#include "io/export.h"

// "Export...": asks for a file name, whose ending chooses the format; a file of that name is
// replaced only when the user says so.
void m_export(long id);
// Writes the choice mnr (as the save chooses it) in format f, the lone pairs removed first, or the
// scene as PNG, as a new file or replacing one; a failure says so in a requester, success on
// standard output. Anlegen::vorhanden, unreported, when a new file finds the name taken.
Anlegen exportieren(const char* name, Exportformat f, int mnr, bool ersetzen);
