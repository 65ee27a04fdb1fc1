

#include <thread>

#include "model/guasto.h"
#include "platform/blocco_cartella.h"
#include "platform/win32/windows_utf16.h"

blocco_cartella::blocco_cartella(const std::string& percorso, std::chrono::milliseconds attesa) {
    const HANDLE h = CreateFileW(in_utf16(percorso).c_str(), GENERIC_READ | GENERIC_WRITE,
                                 FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                 OPEN_ALWAYS, FILE_ATTRIBUTE_HIDDEN, nullptr);
    if (h == INVALID_HANDLE_VALUE) fallisci_win32("impossibile creare", percorso, GetLastError());
    maniglia_ = reinterpret_cast<std::intptr_t>(h);
    const auto scadenza = std::chrono::steady_clock::now() + attesa;
    for (;;) {
        OVERLAPPED tutto{};
        if (LockFileEx(h, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &tutto)) {
            return;
        }
        const DWORD codice = GetLastError();
        if (codice != ERROR_LOCK_VIOLATION || std::chrono::steady_clock::now() >= scadenza) {
            CloseHandle(h);
            if (codice != ERROR_LOCK_VIOLATION)
                fallisci_win32("impossibile bloccare", percorso, codice);
            throw guasto("un'altra compilazione scrive ancora nella stessa cartella (" + percorso +
                         " bloccato da " + std::to_string(attesa.count() / 1000) +
                         " s): riprova quando avrà finito");
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

blocco_cartella::~blocco_cartella() {
    CloseHandle(reinterpret_cast<HANDLE>(maniglia_));
}
