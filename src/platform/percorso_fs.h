#pragma once

#include <filesystem>
#include <string>
#include <string_view>

// A UTF-8 path as the standard library's type, and back. A plain std::string would be
// read in the ANSI code page on Windows, where most names do not fit.
std::filesystem::path percorso_fs(std::string_view utf8);
std::string testo_percorso(const std::filesystem::path& percorso);
