#pragma once

#include <string>

// The UTF-8 paths of the program as the UTF-16 the wide Win32 calls take, and back.
std::wstring largo(const std::string& utf8);
std::string stretto(const std::wstring& utf16);
