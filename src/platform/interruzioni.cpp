// The registry of files to remove on an interruption, the same on both sides: only the
// handler and the system's calls differ (posix/, win32/).
#include "platform/interruzioni.h"

#include <atomic>
#include <cstring>

#include "platform/interruzioni_sistema.h"

namespace {

// Fixed room, filled before a file exists: the handler may neither allocate nor lock.
// Constant-initialised, so that its 256 KiB stay untouched zero pages until a slot is taken:
// a constructor at start-up would fault in every page of it, each fault costing as much as
// a few system calls.
constexpr int numero_posti = 64;
constexpr std::size_t lunghezza_massima = 4096;

struct posto {
    std::atomic<bool> occupato{false};
    std::atomic<bool> valido{false};
    carattere_nativo percorso[lunghezza_massima]{};
};

constinit posto posti[numero_posti];
// Atomic, not only volatile: the trains of one run write from threads of their own.
std::atomic<int> rinvii{0};
std::atomic<int> pendente{0};
static_assert(std::atomic<int>::is_always_lock_free, "the handler reads them");

void cancella_registrati() {
    for (posto& p : posti) {
        if (p.valido.load()) cancella_nativo(p.percorso);
    }
}

}  // namespace

bool rinvia_interruzione(int segnale) {
    if (rinvii.load() == 0) return false;
    pendente.store(segnale);
    return true;
}

da_cancellare_se_interrotto::da_cancellare_se_interrotto(const std::string& percorso) : posto_(-1) {
    const std::basic_string<carattere_nativo> nativo = percorso_nativo(percorso);
    if (nativo.size() >= lunghezza_massima) return;
    for (int i = 0; i < numero_posti; ++i) {
        bool libero = false;
        if (!posti[i].occupato.compare_exchange_strong(libero, true)) continue;
        std::memcpy(posti[i].percorso, nativo.c_str(),
                    (nativo.size() + 1) * sizeof(carattere_nativo));
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
    esci_subito(128 + segnale);
}
