#include "platform/cartella_programma.h"
#include "platform/percorsi.h"
#include "platform/win32/windows_utf16.h"

std::string cartella_programma() {
    std::wstring percorso(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n =
            ::GetModuleFileNameW(nullptr, percorso.data(), static_cast<DWORD>(percorso.size()));
        if (n == 0)
            fallisci_win32("impossibile trovare", "la cartella del programma", ::GetLastError());
        if (n < percorso.size()) {
            percorso.resize(n);
            break;
        }
        percorso.resize(percorso.size() * 2);
    }
    const std::string completo = in_utf8(percorso);
    std::string_view cartella = cartella_in_percorso(completo);
    // "C:\" keeps its separator: without it the name would mean the drive's current folder.
    if (cartella.size() > 1 && cartella[cartella.size() - 2] != ':') cartella.remove_suffix(1);
    return std::string(cartella);
}
