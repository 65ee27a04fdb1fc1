#include "platform/ambiente.h"
#include "platform/win32/windows_utf16.h"

// GetTempPathW looks at TMP first.
const char* variabile_cartella_temporanea() {
    return "TMP";
}

std::optional<std::string> leggi_variabile(const std::string& nome) {
    const std::wstring largo = in_utf16(nome);
    const DWORD n = ::GetEnvironmentVariableW(largo.c_str(), nullptr, 0);
    if (n == 0) return std::nullopt;
    std::wstring valore(n, L'\0');
    const DWORD scritti = ::GetEnvironmentVariableW(largo.c_str(), valore.data(), n);
    valore.resize(scritti);
    return in_utf8(valore);
}

void imposta_variabile(const std::string& nome, const std::optional<std::string>& valore) {
    ::SetEnvironmentVariableW(in_utf16(nome).c_str(), valore ? in_utf16(*valore).c_str() : nullptr);
}
