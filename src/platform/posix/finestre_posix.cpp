#include "platform/casella_messaggio.h"
#include "platform/finestra_attesa.h"

// No window system is assumed here: the driver shows its terminal stand-ins instead.
finestra_attesa::finestra_attesa() = default;
finestra_attesa::~finestra_attesa() = default;

void finestra_attesa::trattieni(std::chrono::milliseconds) {}

bool finestre_disponibili() {
    return false;
}

int mostra_casella_messaggio(const std::string&, void*) {
    return 1;
}
