#pragma once

#include <cstddef>
#include <limits>
#include <string>

enum class tipo_file { assente, ordinario, cartella, altro };

// What the path names, following links; anything that cannot be looked at is `assente`.
tipo_file tipo_di(const std::string& percorso);

// The whole content of an ordinary file. A folder, a device or a pipe is a fault, and
// opening never waits for a writer; so is a file larger than `massimo` bytes, found before
// it is read.
std::string leggi_file(const std::string& percorso,
                       std::size_t massimo = std::numeric_limits<std::size_t>::max());

// The largest source text a compilation takes: anything near it is no hand-written scenario.
inline constexpr std::size_t massimo_sorgente = std::size_t{16} << 20;

// The fault for a file beyond the limit.
[[noreturn]] void file_troppo_grande(const std::string& percorso, std::size_t massimo);
