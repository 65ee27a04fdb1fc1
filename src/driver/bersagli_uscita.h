#pragma once

#include <optional>
#include <string>
#include <vector>

// Why a run may not write its outputs there: one of them names an input (the author's own
// file) or another output of the same run. Empty when they are all safe.
std::optional<std::string> difetto_dei_bersagli(const std::vector<std::string>& ingressi,
                                                const std::vector<std::string>& uscite);
