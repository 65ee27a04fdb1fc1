#pragma once

#include <cstddef>
#include <limits>
#include <string>

// Platform file operations the readers need.
bool file_ordinario(const std::string& percorso);
// The whole file; one larger than `massimo` bytes is a fault, found before it is read.
std::string leggi_file(const std::string& percorso,
                       std::size_t massimo = std::numeric_limits<std::size_t>::max());
// The largest source text a compilation takes.
inline constexpr std::size_t massimo_sorgente = std::size_t{16} << 20;
// Deletes a text file; one that is already gone is no fault.
void cancella_file(const std::string& percorso);
// The same, for the fault path: nothing it meets is reported.
void cancella_se_esiste(const std::string& percorso) noexcept;
