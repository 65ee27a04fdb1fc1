#include <filesystem>

#include "model/guasto.h"
#include "platform/cartella_temporanea.h"
#include "platform/percorsi.h"
#include "platform/percorso_fs.h"
#include "platform/win32/nome_casuale.h"
#include "platform/win32/windows_utf16.h"

std::string cartella_temporanea_di_sistema() {
    std::wstring percorso(MAX_PATH + 1, L'\0');
    const DWORD n = ::GetTempPathW(static_cast<DWORD>(percorso.size()), percorso.data());
    if (n == 0 || n > percorso.size()) return ".";
    percorso.resize(n);
    if (percorso.size() > 3 && percorso.back() == L'\\') percorso.pop_back();
    return in_utf8(percorso);
}

std::string crea_cartella_unica(const std::string& base, const std::string& prefisso) {
    for (;;) {
        const std::string percorso = unisci_percorso(base, prefisso + suffisso_unico());
        if (::CreateDirectoryW(in_utf16(percorso).c_str(), nullptr)) return percorso;
        const DWORD codice = ::GetLastError();
        if (codice != ERROR_ALREADY_EXISTS) {
            throw guasto("impossibile creare una cartella temporanea: " +
                         descrizione_errore(codice));
        }
    }
}

void rimuovi_albero(const std::string& percorso) noexcept {
    std::error_code ignorato;
    std::filesystem::remove_all(percorso_fs(percorso), ignorato);
}
