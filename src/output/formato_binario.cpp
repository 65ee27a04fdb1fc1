#include "output/formato_binario.h"

#include <algorithm>
#include <limits>

#include "model/guasto.h"
#include "output/flusso_uscita.h"
#include "output/scrittore_le.h"

namespace {

void scrivi_campo(scrittore_le& s, std::uint8_t v) {
    s.u8(v);
}
void scrivi_campo(scrittore_le& s, std::int16_t v) {
    s.i16(v);
}
void scrivi_campo(scrittore_le& s, std::int32_t v) {
    s.i32(v);
}
void scrivi_campo(scrittore_le& s, const std::string& testo) {
    s.u16(static_cast<std::uint16_t>(testo.size()));
    s.byte(testo);
}

template <typename Campi, typename Record>
void codifica(scrittore_le& s, const Campi& campi, const Record& r) {
    per_ogni_campo(campi, [&](const auto& c) { scrivi_campo(s, r.*c.membro); });
}

template <typename Campi, typename Record>
void codifica(std::string& uscita, const Campi& campi, const Record& r) {
    scrittore_le s(uscita, byte_record(campi, r));
    codifica(s, campi, r);
}

}  // namespace

void codifica_cella(std::string& uscita, const cella& c) {
    codifica(uscita, campi_cella, c);
}

void codifica_riga(std::string& uscita, const riga_sim& r) {
    if (r.nome.size() > std::numeric_limits<std::uint16_t>::max())
        throw guasto("nome più lungo di 65535 byte");
    codifica(uscita, campi_riga, r);
}

// Room is made once per block, not once per cell: the line's cells are most of the cells
// file, and growing the buffer by 15 bytes at a time cost more than encoding them.
void scrivi_celle(flusso_uscita& file, const std::vector<cella>& celle) {
    constexpr std::size_t celle_per_blocco = 4096;
    std::string blocco;
    for (std::size_t da = 0; da < celle.size(); da += celle_per_blocco) {
        const std::size_t n = std::min(celle_per_blocco, celle.size() - da);
        blocco.resize(n * byte_cella);
        scrittore_le s(reinterpret_cast<unsigned char*>(blocco.data()));
        for (std::size_t i = da; i < da + n; ++i) codifica(s, campi_cella, celle[i]);
        file.scrivi(blocco);
    }
}

std::string codifica_tabella(const std::array<riga_sim, righe_tabella_sim>& tabella) {
    std::string uscita;
    for (const riga_sim& r : tabella) codifica_riga(uscita, r);
    return uscita;
}
