#pragma once

#include <cstddef>
#include <string_view>

// Edit distance (insertions, deletions, substitutions) between two words, letters compared
// without regard to case; counts up to `limite` + 1 and stops there.
std::size_t distanza_parole(std::string_view a, std::string_view b, std::size_t limite);
