#include "platform/win32/errore_win32.h"

#include <windows.h>

#include "model/guasto.h"
#include "platform/win32/testo_largo.h"

void fallisci_win32(const std::string& cosa, const std::string& percorso, unsigned long codice) {
    wchar_t* testo = nullptr;
    const DWORD n = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, codice, 0, reinterpret_cast<wchar_t*>(&testo), 0, nullptr);
    std::wstring motivo = n > 0 ? std::wstring(testo, n) : L"errore " + std::to_wstring(codice);
    if (testo != nullptr) LocalFree(testo);
    while (!motivo.empty() &&
           (motivo.back() == L'\n' || motivo.back() == L'\r' || motivo.back() == L'.')) {
        motivo.pop_back();
    }
    throw guasto(cosa + " " + percorso + ": " + stretto(motivo));
}
