#pragma once

// What every Win32 source of the platform layer includes in place of <windows.h>.
#ifndef UNICODE
#define UNICODE
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
// Needs <windows.h> before it.
#include <shellapi.h>

#include <string>
#include <string_view>

// Paths and texts are UTF-8 inside the program and UTF-16 at every call to Windows.
std::wstring in_utf16(std::string_view testo);
std::string in_utf8(std::wstring_view testo);

// Windows' own words for an error code, without the line end it puts after them.
std::string descrizione_errore(DWORD codice);

// "impossibile aprire F: <why>", as on the other platforms.
[[noreturn]] void fallisci_win32(const std::string& cosa, const std::string& percorso,
                                 DWORD codice);
