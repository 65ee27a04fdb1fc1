#include "driver/vista_attesa.h"

#include "platform/casella_messaggio.h"

modo_attesa modo_attesa_per(bool silenzioso, bool finestra_voluta) {
    if (silenzioso) return modo_attesa::nessuno;
    return finestra_voluta && finestre_disponibili() ? modo_attesa::finestra
                                                     : modo_attesa::terminale;
}

vista_attesa::vista_attesa(modo_attesa modo, std::chrono::milliseconds trattenuta) {
    if (modo == modo_attesa::finestra) {
        finestra_.emplace();
        finestra_->trattieni(trattenuta);
    } else if (modo == modo_attesa::terminale) {
        terminale_.emplace(true);
    }
}

std::function<std::int32_t(const std::string&)> vista_attesa::casella_errore() {
    if (!finestra_) return {};
    void* proprietaria = finestra_->maniglia();
    return [proprietaria](const std::string& testo) {
        return static_cast<std::int32_t>(mostra_casella_messaggio(testo, proprietaria));
    };
}
