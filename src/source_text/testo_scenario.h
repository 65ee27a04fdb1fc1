#pragma once

#include <string>
#include <vector>

// Ends a writer's table of lines; never written to the file itself.
inline constexpr const char* marcatore_fine = "riferimento fine del file";
inline constexpr std::size_t righe_tabella_testo = 1001;

// The bytes of a text file from a writer's table: each line up to the first entry that is
// exactly the end marker, followed by CR LF. A table without a marker is a fault.
std::string componi_testo(const std::vector<std::string>& tabella);

// A writer's table: the lines from index 0 up, then the end marker.
std::vector<std::string> tabella_con_marcatore(const std::vector<std::string>& righe);
