#include "model/codici_errore.h"
#include "model/form1.h"
#include "model/numeri.h"

namespace {

// Speed pair of one track position: the left speed in the hundreds, the right one by 5.
std::int16_t coppia_velocita(std::int32_t sinistra, std::int32_t destra) {
    return arrotonda_in<std::int16_t>(
        static_cast<double>(static_cast<std::int64_t>(sinistra) * 20) + destra / 5.0);
}

}  // namespace

void Form1::memo_indicatori_v_max(std::int32_t posizione, std::int32_t& vas, std::int32_t& vbs,
                                  std::int32_t& vcs, std::int32_t& strisces, std::int32_t& vad,
                                  std::int32_t& vbd, std::int32_t& vcd, std::int32_t& strisced) {
    cella& c = cella_in(cella_di(posizione));
    if (!cella_libera(c)) {
        codice_errore = errori::indicatore_occupato;
        return;
    }
    c.tipo = tipo_cella::indicatore_vmax;
    c.valore_1 = coppia_velocita(vas, vad);
    c.valore_2 = coppia_velocita(vbs, vbd);
    c.valore_3 = coppia_velocita(vcs, vcd);
    c.valore_4 = basso16(basso16(strisces) * 10 + basso16(strisced));
}
