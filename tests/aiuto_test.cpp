#include "aiuto_test.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#include "platform/percorso_fs.h"

namespace fs = std::filesystem;

namespace aiuto {

void scrivi(const std::string& percorso, std::string_view contenuto) {
    std::ofstream out(percorso_fs(percorso), std::ios::binary | std::ios::trunc);
    out.write(contenuto.data(), static_cast<std::streamsize>(contenuto.size()));
    if (!out) throw std::runtime_error("impossibile scrivere " + percorso);
}

std::string leggi(const std::string& percorso) {
    std::ifstream in(percorso_fs(percorso), std::ios::binary);
    if (!in) throw std::runtime_error("impossibile leggere " + percorso);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

bool esiste(const std::string& percorso) {
    return fs::exists(percorso_fs(percorso));
}

std::string elenco(const std::string& cartella) {
    std::vector<std::string> nomi;
    for (const auto& voce : fs::directory_iterator(percorso_fs(cartella))) {
        nomi.push_back(testo_percorso(voce.path().filename()));
    }
    std::sort(nomi.begin(), nomi.end());
    std::string testo;
    for (const auto& n : nomi) testo += n + "\n";
    return testo;
}

namespace {

constexpr std::array<std::uint32_t, 64> k_sha = {
    0x428a2f98, 0x71374491, 0xb5c0fbcf, 0xe9b5dba5, 0x3956c25b, 0x59f111f1, 0x923f82a4, 0xab1c5ed5,
    0xd807aa98, 0x12835b01, 0x243185be, 0x550c7dc3, 0x72be5d74, 0x80deb1fe, 0x9bdc06a7, 0xc19bf174,
    0xe49b69c1, 0xefbe4786, 0x0fc19dc6, 0x240ca1cc, 0x2de92c6f, 0x4a7484aa, 0x5cb0a9dc, 0x76f988da,
    0x983e5152, 0xa831c66d, 0xb00327c8, 0xbf597fc7, 0xc6e00bf3, 0xd5a79147, 0x06ca6351, 0x14292967,
    0x27b70a85, 0x2e1b2138, 0x4d2c6dfc, 0x53380d13, 0x650a7354, 0x766a0abb, 0x81c2c92e, 0x92722c85,
    0xa2bfe8a1, 0xa81a664b, 0xc24b8b70, 0xc76c51a3, 0xd192e819, 0xd6990624, 0xf40e3585, 0x106aa070,
    0x19a4c116, 0x1e376c08, 0x2748774c, 0x34b0bcb5, 0x391c0cb3, 0x4ed8aa4a, 0x5b9cca4f, 0x682e6ff3,
    0x748f82ee, 0x78a5636f, 0x84c87814, 0x8cc70208, 0x90befffa, 0xa4506ceb, 0xbef9a3f7, 0xc67178f2};

std::uint32_t ruota(std::uint32_t x, int n) {
    return (x >> n) | (x << (32 - n));
}

}  // namespace

std::string sha256(std::string_view dati) {
    std::array<std::uint32_t, 8> h = {0x6a09e667, 0xbb67ae85, 0x3c6ef372, 0xa54ff53a,
                                      0x510e527f, 0x9b05688c, 0x1f83d9ab, 0x5be0cd19};
    std::string m(dati);
    const std::uint64_t bit = static_cast<std::uint64_t>(dati.size()) * 8;
    m.push_back(static_cast<char>(0x80));
    while (m.size() % 64 != 56) m.push_back('\0');
    for (int i = 7; i >= 0; --i) m.push_back(static_cast<char>((bit >> (8 * i)) & 0xFF));
    for (std::size_t blocco = 0; blocco < m.size(); blocco += 64) {
        std::array<std::uint32_t, 64> w{};
        for (std::size_t i = 0; i < 16; ++i) {
            for (std::size_t b = 0; b < 4; ++b) {
                w[i] = (w[i] << 8) | static_cast<unsigned char>(m[blocco + 4 * i + b]);
            }
        }
        for (std::size_t i = 16; i < 64; ++i) {
            const std::uint32_t s0 = ruota(w[i - 15], 7) ^ ruota(w[i - 15], 18) ^ (w[i - 15] >> 3);
            const std::uint32_t s1 = ruota(w[i - 2], 17) ^ ruota(w[i - 2], 19) ^ (w[i - 2] >> 10);
            w[i] = w[i - 16] + s0 + w[i - 7] + s1;
        }
        auto [a, b, c, d, e, f, g, hh] = h;
        for (std::size_t i = 0; i < 64; ++i) {
            const std::uint32_t t1 = hh + (ruota(e, 6) ^ ruota(e, 11) ^ ruota(e, 25)) +
                                     ((e & f) ^ (~e & g)) + k_sha[i] + w[i];
            const std::uint32_t t2 =
                (ruota(a, 2) ^ ruota(a, 13) ^ ruota(a, 22)) + ((a & b) ^ (a & c) ^ (b & c));
            hh = g;
            g = f;
            f = e;
            e = d + t1;
            d = c;
            c = b;
            b = a;
            a = t1 + t2;
        }
        const std::array<std::uint32_t, 8> parziale{a, b, c, d, e, f, g, hh};
        for (std::size_t i = 0; i < 8; ++i) h[i] += parziale[i];
    }
    static constexpr char cifre[] = "0123456789abcdef";
    std::string esadecimale;
    for (std::uint32_t parola : h) {
        for (int i = 7; i >= 0; --i) esadecimale.push_back(cifre[(parola >> (4 * i)) & 0xF]);
    }
    return esadecimale;
}

std::string righe_crlf(std::initializer_list<std::string_view> righe) {
    std::string testo;
    for (std::string_view r : righe) {
        testo += r;
        testo += "\r\n";
    }
    return testo;
}

compilato compila_in_memoria(std::string_view linea, std::string_view treno, std::int32_t flag_j,
                             const std::string& nome_linea, const std::string& numero_treno) {
    const sorgenti_compilazione sorgenti{{"linea.txt", std::string(linea), {}},
                                         {"treno.txt", std::string(treno), {}}};
    opzioni_compilazione opzioni;
    opzioni.nome_linea = nome_linea;
    opzioni.numero_treno = numero_treno;
    opzioni.flag_j = flag_j;
    destinazione_memoria uscita;
    compilato c;
    c.esito = compila_testi(sorgenti, opzioni, uscita);
    c.file = uscita.file();
    return c;
}

banco_prova::banco_prova(Form1& f, std::int32_t flag_j, const std::string& nome_linea,
                         const std::string& numero_treno)
    : f_(f), ambiente_{sorgenti_, opzioni_, uscita_, {}, {}, false, false} {
    opzioni_.nome_linea = f.nome_linea = nome_linea;
    opzioni_.numero_treno = f.numero_treno = numero_treno;
    f.flag_j = opzioni_.flag_j = flag_j;
    f.ambiente = &ambiente_;
}

void banco_prova::metti_testi(std::optional<std::string_view> linea,
                              std::optional<std::string_view> treno) {
    sorgenti_.linea = {"linea.txt", std::nullopt, {}};
    if (linea) sorgenti_.linea.byte = std::string(*linea);
    sorgenti_.treno = {"treno.txt", std::nullopt, "impossibile aprire treno.txt"};
    if (treno) sorgenti_.treno.byte = std::string(*treno);
}

void banco_prova::leggi(std::optional<std::string_view> linea,
                        std::optional<std::string_view> treno) {
    metti_testi(linea, treno);
    f_.codice_errore = 0;
    f_.tabella_sim.fill(riga_sim{});
    f_.memorizza_dati();
}

void banco_prova::compila(std::string_view linea, std::string_view treno) {
    metti_testi(linea, treno);
    std::int32_t j = f_.flag_j;
    f_.memorizza_percorso(j);
}

std::string linea_con(std::string_view successive, std::string_view generale) {
    std::string testo = "[generale]\r\nlunghezza percorso, 1000\r\n";
    testo += generale;
    testo += "[curve]\r\n";
    testo += successive;
    testo += "[fine]\r\n";
    return testo;
}

std::string treno_con(std::string_view righe) {
    std::string testo = "[generale]\r\n";
    testo += righe;
    testo += "[fine]\r\n";
    return testo;
}

}  // namespace aiuto
