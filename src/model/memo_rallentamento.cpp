#include "model/codici_errore.h"
#include "model/form1.h"
#include "model/numeri.h"

void Form1::memo_rallentamento(std::int32_t x, std::int32_t& v, std::int32_t& l, std::int32_t& f_tt,
                               std::int32_t f_ta, std::int32_t& d_v) {
    const bool con_avviso = x > 1500;
    if (!con_avviso) f_ta = 0;
    const std::int64_t avviso = cella_di(static_cast<std::int64_t>(x) - 1200);
    const std::int64_t inizio = cella_di(x);
    const std::int64_t fine = cella_di(static_cast<std::int64_t>(x) + l);
    // The four cells just before the warning board, nearest first.
    const std::int64_t primo_preavviso = indice_di(static_cast<std::int64_t>(x) - 1200);

    // Every cell this slowdown may write must exist before anything is written.
    if (con_avviso) cella_in(avviso);
    cella_in(inizio);
    cella_in(fine);
    if (f_ta != 0) {
        cella_in(primo_preavviso);
        cella_in(primo_preavviso - 3);
    }

    if (con_avviso && !cella_libera(cella_in(avviso))) {
        codice_errore = errori::avviso_rallentamento_occupato;
        return;
    }
    if (!cella_libera(cella_in(inizio))) {
        codice_errore = errori::inizio_rallentamento_occupato;
        return;
    }
    if (!cella_libera(cella_in(fine))) {
        codice_errore = errori::fine_rallentamento_occupato;
        return;
    }
    const auto valore = basso16(v);
    const auto differenza = basso16(d_v);
    auto marca = [&](std::int64_t indice, std::uint8_t tipo) {
        cella& c = cella_in(indice);
        c.tipo = tipo;
        if (d_v != 0) c.valore_2 = differenza;
    };
    marca(fine, tipo_cella::fine_rallentamento);
    marca(inizio, tipo_cella::inizio_rallentamento);
    if (con_avviso) {
        marca(avviso, tipo_cella::avviso_rallentamento);
        cella_in(avviso).valore_1 = valore;
    }
    cella_in(inizio).valore_1 = valore;
    cella_in(fine).valore_1 = valore;
    cella_in(inizio).valore_3 = basso16(f_tt);
    cella_in(fine).valore_3 = basso16(f_tt);

    if (f_ta == 0) return;
    for (std::int64_t n = 0; n < 4; ++n) {
        if (!cella_libera(cella_in(primo_preavviso - n))) {
            codice_errore = errori::preavviso_rallentamento_occupato;
            return;
        }
    }
    for (std::int64_t n = 1; n <= 4; ++n) {
        cella& c = cella_in(primo_preavviso - (n - 1));
        c.tipo = tipo_cella::preavviso_rallentamento;
        c.valore_1 = static_cast<std::int16_t>(n);
        if (d_v != 0) c.valore_2 = static_cast<std::int16_t>(n);
    }
}
