

#include <atomic>
#include <csignal>
#include <cstring>
#include <string>

#include "platform/interruzioni.h"
#include "platform/win32/windows_utf16.h"

namespace {

// The console's handler runs on a thread of its own: fixed room, filled before a file exists.
constexpr int numero_posti = 64;
constexpr std::size_t lunghezza_massima = 4096;

struct posto {
    std::atomic<bool> occupato{false};
    std::atomic<bool> valido{false};
    wchar_t percorso[lunghezza_massima];
};

posto posti[numero_posti];
std::atomic<int> rinvii{0};
std::atomic<int> pendente{0};

void cancella_registrati() {
    for (posto& p : posti) {
        if (p.valido.load()) DeleteFileW(p.percorso);
    }
}

// Ctrl-C as SIGINT; Ctrl-Break and closing the console as a termination request.
BOOL WINAPI gestore(DWORD evento) {
    const int segnale = evento == CTRL_C_EVENT ? SIGINT : SIGTERM;
    if (rinvii.load() > 0) {
        pendente.store(segnale);
        // The main thread ends the process once the folder is in order again.
        for (;;) Sleep(INFINITE);
    }
    termina_per_interruzione(segnale);
}

}  // namespace

void prepara_interruzioni() {
    SetConsoleCtrlHandler(gestore, TRUE);
}

da_cancellare_se_interrotto::da_cancellare_se_interrotto(const std::string& percorso) : posto_(-1) {
    const std::wstring esteso = in_utf16(percorso);
    if (esteso.size() >= lunghezza_massima) return;
    for (int i = 0; i < numero_posti; ++i) {
        bool libero = false;
        if (!posti[i].occupato.compare_exchange_strong(libero, true)) continue;
        std::memcpy(posti[i].percorso, esteso.c_str(), (esteso.size() + 1) * sizeof(wchar_t));
        posti[i].valido.store(true);
        posto_ = i;
        return;
    }
}

da_cancellare_se_interrotto::~da_cancellare_se_interrotto() {
    if (posto_ < 0) return;
    posti[posto_].valido.store(false);
    posti[posto_].occupato.store(false);
}

interruzioni_rinviate::interruzioni_rinviate() {
    ++rinvii;
}

interruzioni_rinviate::~interruzioni_rinviate() {
    if (--rinvii == 0 && pendente.load() != 0) termina_per_interruzione(pendente.load());
}

int interruzione_pendente() {
    return pendente.load();
}

void termina_per_interruzione(int segnale) {
    cancella_registrati();
    ExitProcess(static_cast<UINT>(128 + segnale));
}
