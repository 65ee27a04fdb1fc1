#pragma once

#include <string>
#include <vector>

#include "output/registro_insieme.h"
#include "platform/file_cartella.h"

// Puts a set of complete new files in place of the old ones in a folder, all or none, under
// the folder's lock. The commit record is written first; each old file is kept aside under
// a temporary name (a second link to it where the file system has them, so that its name
// never goes missing) and the new file renamed over it. If a step fails, or the run is
// interrupted, the steps done are undone and the old set is back as it was. The record goes
// last. `voci` need only their temporary and final names; the new files are this call's
// from here on, whatever happens.
void metti_in_opera(operazioni_file& op, const std::string& cartella,
                    std::vector<voce_insieme> voci);

// What the next run into a folder does first, under its lock: a set that a killed run left
// half in place is undone (or only tidied, when all its files were in), and every temporary
// file of this program is removed.
void ripristina_cartella(operazioni_file& op, const std::string& cartella);
