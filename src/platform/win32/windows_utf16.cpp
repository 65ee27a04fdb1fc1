#include "platform/win32/windows_utf16.h"

#include "model/guasto.h"

std::wstring in_utf16(std::string_view testo) {
    if (testo.empty()) return {};
    const int n =
        ::MultiByteToWideChar(CP_UTF8, 0, testo.data(), static_cast<int>(testo.size()), nullptr, 0);
    std::wstring largo(static_cast<std::size_t>(n), L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, testo.data(), static_cast<int>(testo.size()), largo.data(),
                          n);
    return largo;
}

std::string in_utf8(std::wstring_view testo) {
    if (testo.empty()) return {};
    const int n = ::WideCharToMultiByte(CP_UTF8, 0, testo.data(), static_cast<int>(testo.size()),
                                        nullptr, 0, nullptr, nullptr);
    std::string stretto(static_cast<std::size_t>(n), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, testo.data(), static_cast<int>(testo.size()), stretto.data(),
                          n, nullptr, nullptr);
    return stretto;
}

std::string descrizione_errore(DWORD codice) {
    wchar_t* testo = nullptr;
    const DWORD n = ::FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, codice, 0, reinterpret_cast<wchar_t*>(&testo), 0, nullptr);
    std::wstring parole = n > 0 ? std::wstring(testo, n) : L"";
    ::LocalFree(testo);
    while (!parole.empty() && (parole.back() == L'\n' || parole.back() == L'\r' ||
                               parole.back() == L' ' || parole.back() == L'.')) {
        parole.pop_back();
    }
    if (parole.empty()) return "errore di sistema " + std::to_string(codice);
    return in_utf8(parole);
}

void fallisci_win32(const std::string& cosa, const std::string& percorso, DWORD codice) {
    throw guasto(cosa + " " + percorso + ": " + descrizione_errore(codice));
}
