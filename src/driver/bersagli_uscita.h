#pragma once

#include <optional>
#include <string>
#include <vector>

// Whether two paths name the same file: the same file on disk when both exist, else the
// same path once made absolute and normal.
bool stesso_file(const std::string& a, const std::string& b);

// Why a run may not write its outputs there: one of them names an input (the author's own
// file) or another output of the same run. Empty when they are all safe.
std::optional<std::string> difetto_dei_bersagli(const std::vector<std::string>& ingressi,
                                                const std::vector<std::string>& uscite);
