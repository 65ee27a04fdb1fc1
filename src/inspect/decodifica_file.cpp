#include "inspect/decodifica_file.h"

#include <string>

#include "inspect/lettore_le.h"
#include "output/formato_binario.h"

namespace {

constexpr std::int16_t marcatore_tabella = 610;
constexpr std::int16_t marcatore_celle = 5121;
constexpr int riga_marcatore = 85;
constexpr std::size_t cella_marcatore = 1;
// Bytes of a table row before its name; dato_7 follows the name.
constexpr std::size_t byte_prima_del_nome = 16;

bool termina_con(std::string_view testo, std::string_view fine) {
    return testo.size() >= fine.size() && testo.substr(testo.size() - fine.size()) == fine;
}

riga_sim leggi_riga(lettore_le& l) {
    riga_sim r;
    r.tipo = l.u8("tipo");
    r.inizio = l.i32("inizio");
    r.fine = l.i32("fine");
    r.posizione = l.i32("posizione");
    r.dato_4 = l.u8("dato_4");
    const std::uint16_t lunghezza = l.u16("lunghezza del nome");
    r.nome = l.byte(lunghezza, "nome");
    r.dato_7 = l.i16("dato_7");
    r.dato_8 = l.i16("dato_8");
    r.dato_10 = l.i16("dato_10");
    r.dato_11 = l.i16("dato_11");
    r.dato_12 = l.i16("dato_12");
    r.dato_9 = l.u8("dato_9");
    r.dato_13 = l.u8("dato_13");
    r.dato_6 = l.u8("dato_6");
    r.dato_5 = l.u8("dato_5");
    r.orario = l.i32("orario");
    return r;
}

cella leggi_cella(lettore_le& l) {
    cella c;
    c.tipo = l.u8("tipo");
    c.valore_1 = l.i16("valore_1");
    c.valore_2 = l.i16("valore_2");
    c.valore_3 = l.i16("valore_3");
    c.valore_4 = l.i16("valore_4");
    c.tempo = l.u8("tempo");
    c.preavviso = l.u8("preavviso");
    c.montagna = l.u8("montagna");
    c.vel_limite = l.u8("vel_limite");
    c.pendenza = l.u8("pendenza");
    c.aderenza = l.u8("aderenza");
    return c;
}

struct elemento_letto {
    tipo_elemento tipo;
    double valore;
};

elemento_letto leggi_elemento(lettore_le& l) {
    const std::size_t inizio = l.posizione();
    const std::uint16_t tag = l.u16("tipo");
    switch (tag) {
        case static_cast<std::uint16_t>(tipo_elemento::vuoto):
            return {tipo_elemento::vuoto, 0.0};
        case static_cast<std::uint16_t>(tipo_elemento::intero16):
            return {tipo_elemento::intero16, static_cast<double>(l.i16("valore"))};
        case static_cast<std::uint16_t>(tipo_elemento::doppio):
            return {tipo_elemento::doppio, l.f64("valore")};
        default:
            l.fallisci(inizio, "tipo " + std::to_string(tag) + " sconosciuto (ammessi 0, 2 e 5)");
    }
}

}  // namespace

std::optional<genere_file> genere_da_nome(std::string_view percorso) {
    if (termina_con(percorso, "_linea.dat")) return genere_file::profilo;
    if (termina_con(percorso, ".dat")) return genere_file::celle;
    if (termina_con(percorso, ".sim")) return genere_file::tabella;
    return std::nullopt;
}

tabella_sim_decodificata decodifica_tabella(std::string_view dati) {
    lettore_le l(dati);
    tabella_sim_decodificata tabella;
    std::size_t inizio_marcatore = 0;
    for (int i = 0; i < righe_tabella_sim; ++i) {
        if (i == riga_marcatore) inizio_marcatore = l.posizione();
        l.inizia_record("riga " + std::to_string(i) + " (dal byte " +
                        std::to_string(l.posizione()) + ")");
        tabella[static_cast<std::size_t>(i)] = leggi_riga(l);
    }
    if (!l.finito()) {
        l.inizia_record("dopo la riga " + std::to_string(righe_tabella_sim - 1));
        l.fallisci(l.posizione(), std::to_string(l.restanti()) + " byte in più oltre le " +
                                      std::to_string(righe_tabella_sim) + " righe");
    }
    const riga_sim& r = tabella[riga_marcatore];
    if (r.dato_7 != marcatore_tabella) {
        l.inizia_record("riga " + std::to_string(riga_marcatore));
        l.fallisci(inizio_marcatore + byte_prima_del_nome + r.nome.size(),
                   "dato_7 vale " + std::to_string(r.dato_7) + " invece del marcatore " +
                       std::to_string(marcatore_tabella));
    }
    return tabella;
}

std::vector<cella> decodifica_celle(std::string_view dati) {
    lettore_le l(dati);
    std::vector<cella> celle;
    celle.reserve(dati.size() / byte_cella);
    while (!l.finito()) {
        l.inizia_record("cella " + std::to_string(celle.size()) + " (dal byte " +
                        std::to_string(l.posizione()) + ")");
        celle.push_back(leggi_cella(l));
    }
    if (celle.size() <= cella_marcatore || celle[cella_marcatore].valore_1 != marcatore_celle) {
        l.inizia_record("cella " + std::to_string(cella_marcatore));
        const std::string trovato = celle.size() <= cella_marcatore
                                        ? "manca"
                                        : "vale " + std::to_string(celle[cella_marcatore].valore_1);
        l.fallisci(
            byte_cella * cella_marcatore + 1,
            "valore_1 " + trovato + " invece del marcatore " + std::to_string(marcatore_celle));
    }
    return celle;
}

profilo decodifica_profilo(std::string_view dati) {
    lettore_le l(dati);
    std::vector<elemento_letto> elementi;
    while (!l.finito()) {
        l.inizia_record("elemento " + std::to_string(elementi.size()));
        elementi.push_back(leggi_elemento(l));
    }
    if (elementi.empty() || elementi.size() % 2 != 0) {
        l.inizia_record("elemento " + std::to_string(elementi.size()));
        l.fallisci(l.posizione(), "il file ha " + std::to_string(elementi.size()) +
                                      " elementi: servono due colonne della stessa lunghezza");
    }
    const std::size_t metri = elementi.size() / 2;
    profilo p;
    p.crea(static_cast<std::int32_t>(metri - 1));
    for (std::size_t i = 0; i < elementi.size(); ++i) {
        const auto metro = static_cast<std::int64_t>(i % metri);
        const int colonna = static_cast<int>(i / metri);
        if (elementi[i].tipo == tipo_elemento::intero16) {
            p.imposta_intero(metro, colonna, static_cast<std::int16_t>(elementi[i].valore));
        } else if (elementi[i].tipo == tipo_elemento::doppio) {
            p.imposta_doppio(metro, colonna, elementi[i].valore);
        }
    }
    return p;
}
