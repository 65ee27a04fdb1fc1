// Warnings: one case per mistake an author makes, each found at its place by its name, and
// none of them changes a compiled byte, with warnings on, off or made errors.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <regex>
#include <string>
#include <vector>

#include "aiuto_test.h"
#include "avvisi/nomi_avvisi.h"
#include "compilazione/compila_testi.h"
#include "compilazione/spiegazioni.h"
#include "output/destinazione_memoria.h"
#include "scenario_lungo.h"
#include "source_text/scenario_incorporato.h"

namespace {

constexpr std::string_view ok_stazione = ", 12, 400, 0, 1, 1, 1, 1, 0, 5, 1, 1, 60, 6, 20, 54, ";

// A line file of 15 km: line 3 is the first of `generale`, and the first of `successive`
// follows "[curve]" (line 4 when `generale` is empty).
std::string linea(std::string_view successive, std::string_view generale = "") {
    return "[generale]\r\nlunghezza percorso, 15000\r\n" + std::string(generale) + "[curve]\r\n" +
           std::string(successive) + "[fine]\r\n";
}
// A train run file whose first line after "[generale]" is line 2.
std::string treno(std::string_view righe) {
    return "[generale]\r\n" + std::string(righe) + "[fine]\r\n";
}
std::string stazione(std::int32_t posizione, std::string_view nome) {
    return "stazione, " + std::to_string(posizione) + std::string(ok_stazione) + std::string(nome) +
           "\r\n";
}

std::string utf16le(std::string_view ascii) {
    std::string t;
    for (const char c : ascii) {
        t += c;
        t += '\0';
    }
    return t;
}

struct caso_avviso {
    const char* caso;
    std::string testo_linea;
    std::string testo_treno;
    std::string_view nome;  // the warning's name
    sorgente file;
    std::int32_t riga;
    std::int32_t colonna;
    livello_reperto livello = livello_reperto::avviso;
};

void PrintTo(const caso_avviso& c, std::ostream* os) {
    *os << c.caso;
}

// The column where `campo` starts on line `riga` of the text (1-based).
std::int32_t colonna_di(const std::string& testo, std::int32_t riga, std::string_view campo) {
    std::size_t inizio = 0;
    for (std::int32_t r = 1; r < riga; ++r) inizio = testo.find('\n', inizio) + 1;
    return static_cast<std::int32_t>(testo.find(campo, inizio) - inizio + 1);
}

std::vector<caso_avviso> casi() {
    using enum sorgente;
    const std::string vuota = linea("");
    const std::string senza_treno = treno("");
    std::vector<caso_avviso> c;
    auto in_linea = [&](const char* caso, std::string successive, std::string_view nome,
                        std::int32_t riga, std::string_view campo,
                        livello_reperto l = livello_reperto::avviso, std::string generale = "") {
        const std::string t = linea(successive, generale);
        c.push_back({caso, t, senza_treno, nome, file_linea, riga, colonna_di(t, riga, campo), l});
    };
    auto in_treno = [&](const char* caso, std::string righe, std::string_view nome,
                        std::int32_t riga, std::string_view campo,
                        livello_reperto l = livello_reperto::avviso) {
        const std::string t = treno(righe);
        c.push_back({caso, vuota, t, nome, file_treno, riga, colonna_di(t, riga, campo), l});
    };
    const auto nota = livello_reperto::nota;
    // Misspelled keywords, and keywords of the other file or section.
    in_treno("stazone", "stazone" + stazione(3750, "ROMA").substr(8), "parola-sconosciuta", 2,
             "stazone");
    in_treno("parola_con_lettere_accentate", "citt\xE0, 5\r\n", "parola-sconosciuta", 2, "citt");
    in_treno("segnal", "segnal, 6550, 2, 2, 3, 0, 1, 0, 0, 0, 0, 0\r\n", "parola-sconosciuta", 2,
             "segnal");
    in_linea("cruvas4", "cruvas4, 1800, 1100\r\n", "parola-sconosciuta", 4, "cruvas4");
    in_linea("pendenze", "pendenze, 3000, 5\r\n", "parola-sconosciuta", 4, "pendenze");
    in_linea("stazione_nel_file_di_linea", stazione(3750, "ROMA"), "parola-sconosciuta", 4,
             "stazione");
    in_linea("generale_in_maiuscolo", "", "parola-sconosciuta", 3, "Sfondo",
             livello_reperto::avviso, "Sfondo uno, 1\r\n");
    in_linea("pendenza_nella_sezione_generale", "", "sezione-sbagliata", 3, "pendenza",
             livello_reperto::avviso, "pendenza, 3000, 5\r\n");
    // Value counts.
    in_treno("stazione_un_numero_in_piu",
             "stazione, 3750, 12, 400, 0, 1, 1, 1, 1, 0, 5, 1, 1, "
             "60, 6, 20, 54, 0, ROMA\r\n",
             "numero-valori", 2, "ROMA");
    in_treno("stazione_con_nome_numero",
             "stazione, 3750, 12, 400, 0, 1, 1, 1, 1, 0, 5, 1, 1, "
             "60, 6, 20, 54, 0, ROMA\r\n",
             "nome-stazione", 2, "0, ROMA");
    in_treno("stazione_senza_nome",
             "stazione, 3750, 12, 400, 0, 1, 1, 1, 1, 0, 5, 1, 1, 60, 6, 20, 54\r\n"
             "sabbia, 0\r\n",
             "nome-stazione", 2, "\r\n");
    in_treno("stazione_un_numero_in_meno",
             "stazione, 3750, 12, 400, 0, 1, 1, 1, 1, 0, 5, 1, 1, 60, 6, 20, ROMA\r\n",
             "numero-valori", 2, "ROMA");
    in_treno("segnale_un_numero_in_piu", "segnale, 6550, 2, 2, 3, 0, 1, 0, 0, 0, 0, 0, 7\r\n",
             "numero-valori", 2, "7");
    in_treno("segnale_senza_valori", "segnale, 6550, 2, 2, 3\r\nsabbia, 0\r\n", "numero-valori", 2,
             "\r\n");
    in_linea("curva_un_numero_in_piu", "curvas2, 1800, 1100, 9\r\n", "numero-valori", 4, "9");
    in_linea("pendenza_un_numero_in_piu", "pendenza, 3000, 5, 9\r\n", "numero-valori", 4, "9");
    in_treno("virgola_decimale", "rallentamento, 4000,5, 30, 100, 0, 0, 0\r\n", "numero-valori", 2,
             "0\r\n");
    // Out of position order, and overlapping curves.
    in_linea("curve_fuori_ordine", "curvas2, 5000, 500\r\ncurvad3, 1000, 500\r\n", "ordine", 5,
             "1000");
    in_linea("curve_sovrapposte", "curvas2, 1800, 1100\r\ncurvad3, 2500, 500\r\n",
             "curve-sovrapposte", 5, "2500");
    in_linea("pendenze_fuori_ordine", "pendenza, 4000, 5\r\npendenza, 2000, 8\r\n", "ordine", 5,
             "2000");
    in_treno("velocita_fuori_ordine",
             "velocita, 0, 60\r\nvelocita, 5000, 95\r\nvelocita, 3000, 80\r\n", "ordine", 4,
             "3000");
    in_treno("aderenze_fuori_ordine",
             "aderenza, 0, 100\r\naderenza, 6000, 90\r\naderenza, 6000, "
             "80\r\n",
             "ordine", 4, "6000");
    in_treno("stazioni_fuori_ordine", stazione(9000, "A") + stazione(3000, "B"), "ordine", 3,
             "3000", nota);
    // Negative lengths and positions.
    in_linea("curva_di_lunghezza_negativa", "curvas2, 1800, -1100\r\n", "negativo", 4, "-1100");
    in_treno("stazione_di_lunghezza_negativa",
             "stazione, 4700, 12, -400, 0, 1, 1, 1, 1, 0, 5, 1, 1, 60, 6, 20, 54, A\r\n",
             "negativo", 2, "-400");
    in_treno("rallentamento_di_lunghezza_negativa", "rallentamento, 4000, 30, -300, 0, 0, 0\r\n",
             "negativo", 2, "-300");
    in_treno("velocita_a_posizione_negativa", "velocita, -100, 60\r\n", "negativo", 2, "-100");
    // Point features off the 50 m grid: where they land.
    in_treno("segnale_fuori_passo", "segnale, 6560, 2, 2, 3, 0, 1, 0, 0, 0, 0, 0\r\n",
             "fuori-passo", 2, "6560", nota);
    in_treno("rallentamento_fuori_passo", "rallentamento, 4010, 30, 100, 0, 0, 0\r\n",
             "fuori-passo", 2, "4010", nota);
    in_treno("abbattimento_fuori_passo", "abbattimento, 4020, 200\r\n", "fuori-passo", 2, "4020",
             nota);
    in_linea("indicatore_fuori_passo", "indicatori_vmax, 825, 90, 90, 100, 0, 90, 90, 100, 0\r\n",
             "fuori-passo", 4, "825", nota);
    in_linea("cartello_fuori_passo", "cartello_indicatore, 1830, (BIVIO)\r\n", "fuori-passo", 4,
             "1830", nota);
    // Values kept as their low bits.
    in_treno("aderenza_oltre_8_bit", "aderenza, 0, 300\r\n", "bit-bassi", 2, "300");
    in_treno("abbattimento_oltre_16_bit", "abbattimento, 4000, 40000\r\n", "bit-bassi", 2, "40000");
    in_treno("rallentamento_velocita_oltre_16_bit", "rallentamento, 4000, 70000, 100, 0, 0, 0\r\n",
             "bit-bassi", 2, "70000");
    in_linea("montagna_di_tipo_oltre_8_bit", "montagna, 2000, 3000, 300\r\n", "bit-bassi", 4,
             "300\r");
    in_treno("segnale_con_cifra_oltre_9", "segnale, 6550, 2, 2, 3, 0, 1, 0, 12, 0, 0, 0\r\n",
             "bit-bassi", 2, "12");
    // Whole files.
    c.push_back({"treno_senza_generale", vuota, "numero vetture, 5\r\n[fine]\r\n",
                 "generale-mancante", file_treno, 0, 0});
    c.push_back({"treno_vuoto", vuota, "", "file-vuoto", file_treno, 0, 0});
    c.push_back({"linea_vuota", "", senza_treno, "file-vuoto", file_linea, 0, 0});
    c.push_back({"treno_utf16_senza_bom", vuota, utf16le(treno("numero vetture, 5\r\n")),
                 "utf16-senza-bom", file_treno, 0, 0});
    c.push_back({"treno_in_utf8", vuota, treno(stazione(3750, "CITTÀ DI CASTELLO")), "codifica",
                 file_treno, 0, 0, nota});
    // What the readers did not reach: a second station off the grid; the train run file
    // after an error of the line file.
    in_treno("seconda_stazione_fuori_passo", stazione(3725, "A") + stazione(9725, "B"),
             "non-raggiunto", 3, "9725");
    {
        const std::string t = treno(stazione(3725, "A"));
        c.push_back({"treno_dopo_errore_della_linea", linea("curvas7, 1800, 100\r\n"), t,
                     "non-raggiunto", file_treno, 2, colonna_di(t, 2, "3725")});
    }
    in_linea("linea_dopo_il_suo_errore", "curvas7, 1800, 100\r\ncurvas9, 3000, 100\r\n",
             "non-raggiunto", 5, "curvas9");
    in_treno("segnale_su_segnale_non_raggiunto",
             stazione(3725, "A") +
                 "segnale, 6550, 2, 2, 3, 0, 1, 0, 0, 0, 0, 0\r\n"
                 "segnale, 6550, 2, 2, 3, 0, 1, 0, 0, 0, 0, 0\r\n",
             "non-raggiunto", 4, "6550");
    return c;
}

struct compilazione_in_memoria {
    esito_compilazione esito;
    std::map<std::string, std::string> file;
};

compilazione_in_memoria compila(const std::string& linea_t, const std::string& treno_t, bool avvisi,
                                bool come_errori) {
    const sorgenti_compilazione s{{"L_linea.txt", linea_t, {}}, {"L_T-.txt", treno_t, {}}};
    opzioni_compilazione o;
    o.nome_linea = "L";
    o.numero_treno = "T";
    o.avvisi = avvisi;
    o.avvisi_come_errori = come_errori;
    destinazione_memoria uscita;
    compilazione_in_memoria c{compila_testi(s, o, uscita), {}};
    c.file = uscita.file();
    return c;
}

std::string elenco(const std::vector<reperto>& reperti) {
    std::string t;
    for (const reperto& r : reperti) {
        t += std::to_string(static_cast<int>(r.luogo.file)) + ":" + std::to_string(r.luogo.riga) +
             ":" + std::to_string(r.luogo.colonna) + " [" + r.nome + "] " + r.messaggio + "\n";
    }
    return t;
}

class Avvisi : public testing::TestWithParam<caso_avviso> {};

TEST_P(Avvisi, FoundAtItsPlaceAndTheBytesStayTheSame) {
    const caso_avviso& k = GetParam();
    const compilazione_in_memoria con = compila(k.testo_linea, k.testo_treno, true, false);
    const bool trovato =
        std::any_of(con.esito.reperti.begin(), con.esito.reperti.end(), [&](const reperto& r) {
            return r.nome == k.nome && r.livello == k.livello && r.luogo.file == k.file &&
                   r.luogo.riga == k.riga && r.luogo.colonna == k.colonna;
        });
    EXPECT_TRUE(trovato) << elenco(con.esito.reperti);

    const compilazione_in_memoria senza = compila(k.testo_linea, k.testo_treno, false, false);
    const compilazione_in_memoria errori = compila(k.testo_linea, k.testo_treno, true, true);
    for (const compilazione_in_memoria* altra : {&senza, &errori}) {
        EXPECT_TRUE(altra->file == con.file);
        EXPECT_EQ(altra->esito.codice_errore, con.esito.codice_errore);
        EXPECT_EQ(altra->esito.posizione_errore, con.esito.posizione_errore);
        EXPECT_EQ(altra->esito.file_prodotti, con.esito.file_prodotti);
    }
    for (const reperto& r : senza.esito.reperti) {
        EXPECT_TRUE(r.nome.empty() || r.nome == "codifica" || r.nome == "utf16-senza-bom")
            << r.nome;
    }
}

INSTANTIATE_TEST_SUITE_P(UnoPerErrore, Avvisi, testing::ValuesIn(casi()),
                         [](const testing::TestParamInfo<caso_avviso>& i) {
                             return std::string(i.param.caso);
                         });

// -Wno-NAME silences one kind, the others stay.
TEST(OpzioniAvvisi, NoNameSilencesOneKind) {
    const std::string t = treno("segnal, 6550\r\naderenza, 0, 300\r\n");
    const sorgenti_compilazione s{{"L_linea.txt", linea(""), {}}, {"L_T-.txt", t, {}}};
    opzioni_compilazione o;
    o.nome_linea = "L";
    o.numero_treno = "T";
    o.avvisi_spenti = {"parola-sconosciuta"};
    destinazione_memoria uscita;
    const esito_compilazione e = compila_testi(s, o, uscita);
    ASSERT_EQ(e.reperti.size(), 1u) << elenco(e.reperti);
    EXPECT_EQ(e.reperti[0].nome, "bit-bassi");
}

// The texts the program and its benchmarks compile give no warning at all.
TEST(OpzioniAvvisi, CleanScenariosGiveNoWarning) {
    const std::string guida =
        aiuto::leggi(std::string(COMPILA_SORGENTI) + "/docs/scenario-format.md");
    const std::regex blocco("```text file=(\\S+)\\n([^`]*)```");
    std::vector<std::string> esempio;
    for (auto it = std::sregex_iterator(guida.begin(), guida.end(), blocco);
         it != std::sregex_iterator(); ++it) {
        esempio.push_back((*it)[2].str());
    }
    ASSERT_EQ(esempio.size(), 2u);
    const std::pair<std::string, std::string> coppie[] = {
        {testo_file_linea(), testo_file_treno()},
        {esempio[0], esempio[1]},
        {testo_linea_lunga(), testo_treno_lungo()},
    };
    for (const auto& [l, t] : coppie) {
        const compilazione_in_memoria c = compila(l, t, true, true);
        EXPECT_EQ(c.esito.codice_errore, 0);
        EXPECT_TRUE(c.esito.reperti.empty()) << elenco(c.esito.reperti);
    }
}

}  // namespace

namespace {

std::string con_crlf(std::string_view righe) {
    std::string t;
    for (const char c : righe) t += c == '\n' ? std::string("\r\n") : std::string(1, c);
    return t + "\r\n";
}

// Each explanation's wrong lines get its warning, and its corrected lines no warning at all.
TEST(SpiegazioniAvvisi, EveryWarningIsExplainedAndItsExampleGetsIt) {
    for (const std::string_view nome : avvisi::tutti()) {
        SCOPED_TRACE(std::string(nome));
        const auto testo = spiegazione(nome);
        ASSERT_TRUE(testo.has_value());
        EXPECT_TRUE(testo->starts_with("Warning -W" + std::string(nome) + ": ")) << *testo;
    }
    ASSERT_EQ(spiegazioni_degli_avvisi().size(), avvisi::tutti().size());
    for (const spiegazione_avviso& a : spiegazioni_degli_avvisi()) {
        if (!a.esempio_autonomo) continue;
        SCOPED_TRACE(std::string(a.nome));
        auto testi = [&](std::string_view righe) -> std::pair<std::string, std::string> {
            if (a.file == sorgente::file_treno) return {linea(""), treno(con_crlf(righe))};
            return {"[generale]\r\nlunghezza percorso, 12000\r\n" + con_crlf(righe) + "[fine]\r\n",
                    treno("")};
        };
        const auto [linea_sbagliata, treno_sbagliato] = testi(a.sbagliato);
        const compilazione_in_memoria sbagliato =
            compila(linea_sbagliata, treno_sbagliato, true, false);
        EXPECT_TRUE(std::any_of(sbagliato.esito.reperti.begin(), sbagliato.esito.reperti.end(),
                                [&](const reperto& r) { return r.nome == a.nome; }))
            << elenco(sbagliato.esito.reperti);
        const auto [linea_corretta, treno_corretto] = testi(a.corretto);
        const compilazione_in_memoria corretto =
            compila(linea_corretta, treno_corretto, true, false);
        EXPECT_TRUE(corretto.esito.reperti.empty()) << elenco(corretto.esito.reperti);
    }
}

}  // namespace
