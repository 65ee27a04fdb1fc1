#include "platform/cancellazione.h"
#include "platform/win32/windows_utf16.h"

void cancella_file(const std::string& percorso) {
    if (::DeleteFileW(in_utf16(percorso).c_str())) return;
    const DWORD codice = ::GetLastError();
    if (codice != ERROR_FILE_NOT_FOUND && codice != ERROR_PATH_NOT_FOUND) {
        fallisci_win32("impossibile cancellare", percorso, codice);
    }
}

void cancella_se_esiste(const std::string& percorso) noexcept {
    ::DeleteFileW(in_utf16(percorso).c_str());
}
