// Each record of the compiled files goes out through the encoder and back through the
// decoder, both walking the one description: every field must land at the offset and in the
// width the description gives, and come back unchanged.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <type_traits>

#include "inspect/decodifica_file.h"
#include "inspect/lettore_le.h"
#include "output/descrizione_record.h"
#include "output/formato_binario.h"
#include "output/scrittore_le.h"

namespace {

// A value for field number `i` whose bytes differ from every other field's, negative where
// the field is signed, so that a swapped, narrowed or unsigned field shows.
template <typename T>
T valore_distinto(int i) {
    if constexpr (std::is_same_v<T, std::uint8_t>) {
        return static_cast<T>(0xA0 + i);
    } else {
        return static_cast<T>(-(0x0101 * (i + 1)) - (sizeof(T) > 2 ? 0x01000000 * i : 0));
    }
}

template <typename T>
std::string little_endian(T v) {
    std::string s;
    auto u = static_cast<std::make_unsigned_t<T>>(v);
    for (std::size_t b = 0; b < sizeof v; ++b)
        s.push_back(static_cast<char>((u >> (8 * b)) & 0xFF));
    return s;
}

template <typename Record, typename Campi>
Record riempito(const Campi& campi, const std::string& testo) {
    Record r;
    int i = 0;
    per_ogni_campo(campi, [&](const auto& c) {
        using T = typename std::decay_t<decltype(c)>::tipo;
        if constexpr (std::is_same_v<T, std::string>) {
            r.*c.membro = testo;
        } else {
            r.*c.membro = valore_distinto<T>(i);
        }
        ++i;
    });
    return r;
}

// Every field at its offset: integers little-endian, a text as its length and its bytes.
template <typename Record, typename Campi>
void verifica_posti(const Campi& campi, const Record& r, const std::string& byte) {
    std::size_t dove = 0;
    per_ogni_campo(campi, [&](const auto& c) {
        SCOPED_TRACE(std::string(c.nome));
        using T = typename std::decay_t<decltype(c)>::tipo;
        if constexpr (std::is_same_v<T, std::string>) {
            const std::string& testo = r.*c.membro;
            EXPECT_EQ(byte.substr(dove, 2), little_endian<std::uint16_t>(testo.size()));
            EXPECT_EQ(byte.substr(dove + 2, testo.size()), testo);
            dove += 2 + testo.size();
        } else {
            EXPECT_EQ(byte.substr(dove, sizeof(T)), little_endian(r.*c.membro));
            dove += sizeof(T);
        }
    });
    EXPECT_EQ(dove, byte.size());
}

TEST(DescrizioneRecord, CellaAndataERitorno) {
    const cella c = riempito<cella>(campi_cella, "");
    std::string byte;
    codifica_cella(byte, c);
    ASSERT_EQ(byte.size(), byte_cella);
    verifica_posti(campi_cella, c, byte);
    lettore_le l(byte);
    EXPECT_EQ(leggi_cella(l), c);
    EXPECT_TRUE(l.finito());
}

TEST(DescrizioneRecord, RigaAndataERitornoConESenzaNome) {
    for (const std::string& nome :
         {std::string(), std::string("ROMA TUSCOLANA"), std::string(300, '\xE8')}) {
        SCOPED_TRACE(nome.size());
        const riga_sim r = riempito<riga_sim>(campi_riga, nome);
        std::string byte;
        codifica_riga(byte, r);
        ASSERT_EQ(byte.size(), byte_riga_vuota + nome.size());
        EXPECT_EQ(byte.size(), byte_record(campi_riga, r));
        verifica_posti(campi_riga, r, byte);
        lettore_le l(byte);
        EXPECT_EQ(leggi_riga(l), r);
        EXPECT_TRUE(l.finito());
    }
    EXPECT_EQ(scostamento(campi_riga, "nome"), 14u);
    EXPECT_EQ(scostamento(campi_riga, "orario"), 30u);
}

TEST(DescrizioneRecord, ElementoDelProfiloPerOgniTipo) {
    const double valori[] = {0.0, -2.0, 12345.678};
    for (std::size_t i = 0; i < generi_elemento.size(); ++i) {
        const genere_elemento& g = generi_elemento[i];
        SCOPED_TRACE(std::string(g.nome));
        unsigned char buffer[byte_elemento_massimo + 1] = {};
        scrittore_le s(buffer);
        s.elemento(g.tipo, valori[i]);
        const auto n = static_cast<std::size_t>(s.dove() - buffer);
        ASSERT_EQ(n, byte_elemento(g.tipo));
        const std::string byte(reinterpret_cast<const char*>(buffer), n);
        EXPECT_EQ(byte.substr(0, byte_tag), little_endian(static_cast<std::uint16_t>(g.tipo)));
        lettore_le l(byte);
        const elemento_letto e = leggi_elemento(l);
        EXPECT_EQ(e.tipo, g.tipo);
        EXPECT_EQ(e.valore, valori[i]);
        EXPECT_TRUE(l.finito());
    }
    const std::string sconosciuto("\x03\x00", 2);
    lettore_le l(sconosciuto);
    l.inizia_record("elemento 0");
    EXPECT_THROW(leggi_elemento(l), formato_errato);
}

TEST(DescrizioneRecord, ScrittoreLeInOrdineDiByte) {
    std::string uscita = "x";
    scrittore_le s(uscita, 1 + 2 + 4 + 8);
    s.u8(0x01);
    s.i16(-2);
    s.i32(0x01020304);
    s.f64(1.0);
    EXPECT_EQ(uscita, std::string("x\x01\xFE\xFF\x04\x03\x02\x01", 8) +
                          std::string("\x00\x00\x00\x00\x00\x00\xF0\x3F", 8));
}

}  // namespace
