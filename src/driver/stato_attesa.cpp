#include "driver/stato_attesa.h"

#include <cstdio>
#include <string>

#include "platform/console.h"

namespace {

constexpr char testo_attesa[] = "Attendere";

}  // namespace

stato_attesa::stato_attesa(bool richiesto) : visibile_(richiesto && errori_su_terminale()) {
    if (!visibile_) return;
    std::fputs(testo_attesa, stderr);
    std::fflush(stderr);
}

stato_attesa::~stato_attesa() {
    cancella();
}

void stato_attesa::cancella() {
    if (!visibile_) return;
    std::fputs(cancella_riga(sizeof testo_attesa - 1).c_str(), stderr);
    std::fflush(stderr);
    visibile_ = false;
}
