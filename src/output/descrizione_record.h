#pragma once

// The one description of each record of the compiled files: its fields by name, in file
// order, each with the member of the model it holds. The encoder, the decoder of `dump` and
// `plan`, and the dump's field names all walk these lists.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <tuple>
#include <type_traits>

#include "model/cella.h"
#include "model/riga_sim.h"
#include "model/tipo_elemento.h"

// A field's width follows from its member: 1, 2 or 4 bytes for the integers, two's
// complement when signed; a text is its 16-bit length, then one byte per character.
template <typename Record, typename Tipo>
struct campo_record {
    static_assert(std::is_same_v<Tipo, std::uint8_t> || std::is_same_v<Tipo, std::int16_t> ||
                      std::is_same_v<Tipo, std::int32_t> || std::is_same_v<Tipo, std::string>,
                  "a compiled file holds only these field types");
    using tipo = Tipo;
    std::string_view nome;
    Tipo Record::*membro;
};
template <typename Record, typename Tipo>
campo_record(std::string_view, Tipo Record::*) -> campo_record<Record, Tipo>;

// Bytes of a field before any text it holds.
template <typename Tipo>
inline constexpr std::size_t byte_campo = sizeof(Tipo);
template <>
inline constexpr std::size_t byte_campo<std::string> = 2;

// ".dat": one record per cell.
inline constexpr std::tuple campi_cella{
    campo_record{"tipo", &cella::tipo},
    campo_record{"valore_1", &cella::valore_1},
    campo_record{"valore_2", &cella::valore_2},
    campo_record{"valore_3", &cella::valore_3},
    campo_record{"valore_4", &cella::valore_4},
    campo_record{"tempo", &cella::tempo},
    campo_record{"preavviso", &cella::preavviso},
    campo_record{"montagna", &cella::montagna},
    campo_record{"vel_limite", &cella::vel_limite},
    campo_record{"pendenza", &cella::pendenza},
    campo_record{"aderenza", &cella::aderenza},
};

// ".sim": 87 rows, in the order the fields are held, not the order of a station's line.
inline constexpr std::tuple campi_riga{
    campo_record{"tipo", &riga_sim::tipo},       campo_record{"inizio", &riga_sim::inizio},
    campo_record{"fine", &riga_sim::fine},       campo_record{"posizione", &riga_sim::posizione},
    campo_record{"dato_4", &riga_sim::dato_4},   campo_record{"nome", &riga_sim::nome},
    campo_record{"dato_7", &riga_sim::dato_7},   campo_record{"dato_8", &riga_sim::dato_8},
    campo_record{"dato_10", &riga_sim::dato_10}, campo_record{"dato_11", &riga_sim::dato_11},
    campo_record{"dato_12", &riga_sim::dato_12}, campo_record{"dato_9", &riga_sim::dato_9},
    campo_record{"dato_13", &riga_sim::dato_13}, campo_record{"dato_6", &riga_sim::dato_6},
    campo_record{"dato_5", &riga_sim::dato_5},   campo_record{"orario", &riga_sim::orario},
};

template <typename Campi, typename Visita>
constexpr void per_ogni_campo(const Campi& campi, Visita&& visita) {
    std::apply([&](const auto&... campo) { (visita(campo), ...); }, campi);
}

// Bytes of a record whose texts are empty.
template <typename Campi>
constexpr std::size_t byte_fissi(const Campi& campi) {
    std::size_t n = 0;
    per_ogni_campo(
        campi, [&](const auto& c) { n += byte_campo<typename std::decay_t<decltype(c)>::tipo>; });
    return n;
}

// Where a field starts in a record whose texts are empty.
template <typename Campi>
constexpr std::size_t scostamento(const Campi& campi, std::string_view nome) {
    std::size_t n = 0;
    bool trovato = false;
    per_ogni_campo(campi, [&](const auto& c) {
        trovato = trovato || c.nome == nome;
        if (!trovato) n += byte_campo<typename std::decay_t<decltype(c)>::tipo>;
    });
    return n;
}

// Bytes of one record as written.
template <typename Campi, typename Record>
std::size_t byte_record(const Campi& campi, const Record& r) {
    std::size_t n = byte_fissi(campi);
    per_ogni_campo(campi, [&](const auto& c) {
        if constexpr (std::is_same_v<typename std::decay_t<decltype(c)>::tipo, std::string>)
            n += (r.*c.membro).size();
    });
    return n;
}

// "_linea.dat": each element a 16-bit type tag, then a value whose width the tag gives.
struct genere_elemento {
    tipo_elemento tipo;
    std::string_view nome;
    std::size_t byte_valore;
};

inline constexpr std::size_t byte_tag = 2;
inline constexpr std::array<genere_elemento, 3> generi_elemento{{
    {tipo_elemento::vuoto, "vuoto", 0},
    {tipo_elemento::intero16, "intero16", 2},
    {tipo_elemento::doppio, "doppio", 8},
}};

// The kind a tag read from a file stands for; none for a tag no element has.
constexpr const genere_elemento* genere_del_tag(std::uint16_t tag) {
    for (const genere_elemento& g : generi_elemento) {
        if (static_cast<std::uint16_t>(g.tipo) == tag) return &g;
    }
    return nullptr;
}

constexpr const genere_elemento& genere_di(tipo_elemento tipo) {
    return *genere_del_tag(static_cast<std::uint16_t>(tipo));
}

constexpr std::size_t byte_elemento(tipo_elemento tipo) {
    return byte_tag + genere_di(tipo).byte_valore;
}

// The room the widest element takes.
inline constexpr std::size_t byte_elemento_massimo = [] {
    std::size_t n = 0;
    for (const genere_elemento& g : generi_elemento) n = std::max(n, byte_tag + g.byte_valore);
    return n;
}();
