#include <csignal>
#include <string>

#include "platform/interruzioni.h"
#include "platform/interruzioni_sistema.h"
#include "platform/win32/windows_utf16.h"

namespace {

// Ctrl-C as SIGINT; Ctrl-Break and closing the console as a termination request. The console
// runs the handler on a thread of its own.
BOOL WINAPI gestore(DWORD evento) {
    const int segnale = evento == CTRL_C_EVENT ? SIGINT : SIGTERM;
    if (rinvia_interruzione(segnale)) {
        // The main thread ends the process once the folder is in order again.
        for (;;) Sleep(INFINITE);
    }
    termina_per_interruzione(segnale);
}

}  // namespace

std::wstring percorso_nativo(const std::string& percorso) {
    return in_utf16(percorso);
}

void cancella_nativo(const wchar_t* percorso) {
    DeleteFileW(percorso);
}

void esci_subito(int stato) {
    ExitProcess(static_cast<UINT>(stato));
}

void prepara_interruzioni() {
    SetConsoleCtrlHandler(gestore, TRUE);
}
