#pragma once

#include <string>
#include <string_view>

// Texts in the compiled files are single bytes in the Windows-1252 code page.
std::string da_1252_a_utf8(std::string_view testo);
