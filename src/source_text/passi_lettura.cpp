#include "source_text/passi_lettura.h"

void riempi_celle(Form1& f, std::int32_t& cursore, std::int64_t fino, std::uint8_t cella::*campo,
                  std::uint8_t valore, std::optional<std::int64_t> arresto) {
    do {
        if (arresto && cursore >= *arresto) return;
        f.cella_in(cursore).*campo = valore;
        ++cursore;
    } while (cursore < fino);
}

bool salta_trattini(lettore_campi& file, std::string& riga, int volte, bool ferma_a_fine) {
    for (int n = 0; n < volte && contiene(riga, "-"); ++n) {
        riga = file.leggi_parola_chiave();
        if (ferma_a_fine && file.fine_file()) return true;
    }
    return false;
}
