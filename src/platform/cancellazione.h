#pragma once

#include <string>

// Deletes a file; one that is already gone is no fault.
void cancella_file(const std::string& percorso);

// The same, for the fault path: nothing it meets is reported.
void cancella_se_esiste(const std::string& percorso) noexcept;
