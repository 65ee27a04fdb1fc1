#include "model/form1.h"
#include "model/guasto.h"
#include "model/numeri.h"

void Form1::memo_montagna(std::int32_t& inizio, std::int32_t& fine, std::int32_t& tipo) {
    bool con_marcatori = false;
    if (tipo > 10) {
        tipo -= 10;
        con_marcatori = true;
    }
    // The slots hold sections 1..80; the line reader rejects an 81st before calling.
    // This guard is what keeps slot in 1..80 and slot - 1 in 0..79 below.
    if (numero_montagne < 0 ||
        numero_montagne + 1 >= static_cast<std::int32_t>(montagne_inizio.size())) {
        throw guasto("più di 80 sezioni di montagna");
    }
    ++numero_montagne;
    const auto slot = static_cast<std::size_t>(numero_montagne);
    montagne_inizio[slot] = inizio;
    montagne_fine[slot] = fine;
    if (numero_montagne > 1 && static_cast<std::int64_t>(inizio) - montagne_fine[slot - 1] <= 150) {
        tipo = 3;
    }
    const std::int64_t prima = indice_di(inizio);
    const auto ultima = static_cast<std::int64_t>(arrotonda(fine / 50.0 - 1.0));
    if (prima <= ultima) {
        cella_in(prima);  // both ends inside the model before any cell is written
        cella_in(ultima);
    }
    std::int64_t conteggio = 0;
    for (std::int64_t i = prima; i <= ultima; ++i) {
        cella& c = cella_in(i);
        ++conteggio;
        c.montagna = basso8(tipo);
        if (con_marcatori && conteggio % 4 == 0 && c.tipo == tipo_cella::nessuno) {
            c.tipo = tipo_cella::marcatore_montagna;
        }
    }
}
