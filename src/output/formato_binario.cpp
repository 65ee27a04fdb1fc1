#include "output/formato_binario.h"

#include "model/guasto.h"
#include "output/flusso_uscita.h"
#include "output/scrittore_le.h"

void codifica_cella(std::string& uscita, const cella& c) {
    scrittore_le s(uscita);
    s.u8(c.tipo);
    s.i16(c.valore_1);
    s.i16(c.valore_2);
    s.i16(c.valore_3);
    s.i16(c.valore_4);
    s.u8(c.tempo);
    s.u8(c.preavviso);
    s.u8(c.montagna);
    s.u8(c.vel_limite);
    s.u8(c.pendenza);
    s.u8(c.aderenza);
}

void codifica_riga(std::string& uscita, const riga_sim& r) {
    if (r.nome.size() > 0xFFFF) throw guasto("nome più lungo di 65535 byte");
    scrittore_le s(uscita);
    s.u8(r.tipo);
    s.i32(r.inizio);
    s.i32(r.fine);
    s.i32(r.posizione);
    s.u8(r.dato_4);
    s.u16(static_cast<std::uint16_t>(r.nome.size()));
    s.byte(r.nome);
    s.i16(r.dato_7);
    s.i16(r.dato_8);
    s.i16(r.dato_10);
    s.i16(r.dato_11);
    s.i16(r.dato_12);
    s.u8(r.dato_9);
    s.u8(r.dato_13);
    s.u8(r.dato_6);
    s.u8(r.dato_5);
    s.i32(r.orario);
}

void scrivi_celle(flusso_uscita& file, const std::vector<cella>& celle) {
    constexpr std::size_t celle_per_blocco = 4096;
    std::string blocco;
    blocco.reserve(celle_per_blocco * byte_cella);
    for (std::size_t i = 0; i < celle.size(); ++i) {
        codifica_cella(blocco, celle[i]);
        if ((i + 1) % celle_per_blocco == 0 || i + 1 == celle.size()) {
            file.scrivi(blocco);
            blocco.clear();
        }
    }
}

std::string codifica_tabella(const std::array<riga_sim, righe_tabella_sim>& tabella) {
    std::string uscita;
    for (const riga_sim& r : tabella) codifica_riga(uscita, r);
    return uscita;
}
