#include <signal.h>
#include <unistd.h>

#include <csignal>

#include "platform/interruzioni.h"
#include "platform/interruzioni_sistema.h"

namespace {

extern "C" void gestore(int segnale) {
    if (rinvia_interruzione(segnale)) return;
    termina_per_interruzione(segnale);
}

}  // namespace

std::string percorso_nativo(const std::string& percorso) {
    return percorso;
}

void cancella_nativo(const char* percorso) {
    ::unlink(percorso);
}

void esci_subito(int stato) {
    ::_exit(stato);
}

void prepara_interruzioni() {
    struct sigaction azione {};
    azione.sa_handler = gestore;
    sigemptyset(&azione.sa_mask);
    azione.sa_flags = SA_RESTART;
    ::sigaction(SIGINT, &azione, nullptr);
    ::sigaction(SIGTERM, &azione, nullptr);
    std::signal(SIGPIPE, SIG_IGN);
    std::signal(SIGXFSZ, SIG_IGN);
}
