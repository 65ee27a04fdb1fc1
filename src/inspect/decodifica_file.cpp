#include "inspect/decodifica_file.h"

#include <string>

#include "inspect/lettore_le.h"
#include "output/formato_binario.h"

namespace {

constexpr std::int16_t marcatore_tabella = 610;
constexpr std::int16_t marcatore_celle = 5121;
constexpr int riga_marcatore = 85;
constexpr std::size_t cella_marcatore = 1;

bool termina_con(std::string_view testo, std::string_view fine) {
    return testo.size() >= fine.size() && testo.substr(testo.size() - fine.size()) == fine;
}

void leggi_campo(lettore_le& l, std::string_view nome, std::uint8_t& v) {
    v = l.u8(nome);
}
void leggi_campo(lettore_le& l, std::string_view nome, std::int16_t& v) {
    v = l.i16(nome);
}
void leggi_campo(lettore_le& l, std::string_view nome, std::int32_t& v) {
    v = l.i32(nome);
}
void leggi_campo(lettore_le& l, std::string_view nome, std::string& testo) {
    const std::uint16_t lunghezza = l.u16("lunghezza del " + std::string(nome));
    testo = l.byte(lunghezza, nome);
}

// "0, 2 e 5"
std::string tag_ammessi() {
    std::string testo;
    for (std::size_t i = 0; i < generi_elemento.size(); ++i) {
        if (i > 0) testo += i + 1 == generi_elemento.size() ? " e " : ", ";
        testo += std::to_string(static_cast<int>(generi_elemento[i].tipo));
    }
    return testo;
}

template <typename Record, typename Campi>
Record leggi(lettore_le& l, const Campi& campi) {
    Record r;
    per_ogni_campo(campi, [&](const auto& c) { leggi_campo(l, c.nome, r.*c.membro); });
    return r;
}

}  // namespace

cella leggi_cella(lettore_le& l) {
    return leggi<cella>(l, campi_cella);
}

riga_sim leggi_riga(lettore_le& l) {
    return leggi<riga_sim>(l, campi_riga);
}

elemento_letto leggi_elemento(lettore_le& l) {
    const std::size_t inizio = l.posizione();
    const std::uint16_t tag = l.u16("tipo");
    const genere_elemento* genere = genere_del_tag(tag);
    if (genere == nullptr) {
        l.fallisci(inizio,
                   "tipo " + std::to_string(tag) + " sconosciuto (ammessi " + tag_ammessi() + ")");
    }
    switch (genere->tipo) {
        case tipo_elemento::intero16:
            return {genere->tipo, static_cast<double>(l.i16("valore"))};
        case tipo_elemento::doppio:
            return {genere->tipo, l.f64("valore")};
        case tipo_elemento::vuoto:
            break;
    }
    return {tipo_elemento::vuoto, 0.0};
}

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
        l.fallisci(inizio_marcatore + scostamento(campi_riga, "dato_7") + r.nome.size(),
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
            byte_cella * cella_marcatore + scostamento(campi_cella, "valore_1"),
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
