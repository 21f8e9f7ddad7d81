// The file commands: loading a structure file and saving one or all molecules.
#pragma once

// "Open File...": reads a structure file beside the molecules already there: structure text when
// the name contains ".xyz", else the format its first lines show, structure text when they show
// none. New atoms ask the view to show them.
void m_open_file(long id);
// "Save File...": writes one molecule or all of them to a new file; never overwrites one.
void m_save_file(long id);
