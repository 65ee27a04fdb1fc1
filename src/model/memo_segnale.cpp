#include "model/codici_errore.h"
#include "model/form1.h"
#include "model/numeri.h"

void Form1::memo_segnale(std::int32_t posizione, std::int32_t& sx, std::int32_t& s1,
                         std::int32_t& s2, std::int32_t& s3, std::int32_t& rapp, std::int32_t& dx,
                         std::int32_t& d1, std::int32_t& d2, std::int32_t& d3,
                         std::int32_t& tempo) {
    const std::int64_t k = cella_di(posizione);
    cella& c = cella_in(k);
    if (!cella_libera(c)) {
        codice_errore = errori::segnale_occupato;
        return;
    }
    // 16-bit fields are computed on the low 16 bits and keep the low 16 bits.
    auto somma16 = [](std::int32_t a, std::int32_t moltiplicatore, std::int32_t b) {
        return basso16(basso16(a) * moltiplicatore + basso16(b));
    };
    c.tipo = tipo_cella::segnale;
    c.valore_4 = basso16(basso16(rapp) * 10 + basso16(sx) * 3 + basso16(dx));
    c.valore_1 = somma16(s1, 10, d1);
    c.valore_2 = somma16(s2, 10, d2);
    c.valore_3 = somma16(s3, 10, d3);
    if (tempo >= 1 && tempo <= 100) tempo = 101;
    c.tempo = sx == 2 ? basso8(tempo) : 0;
    const auto coppia = static_cast<std::int64_t>(basso8(basso8(sx) * 3 + basso8(dx)));
    for (std::int64_t n = 1; n <= 4; ++n) {
        const std::int64_t avvicinamento = k - 2 * n;
        if (avvicinamento < 0) break;  // marks before the first cell are skipped
        cella_in(avvicinamento).preavviso = basso8(coppia * 10 + n);
    }
}
