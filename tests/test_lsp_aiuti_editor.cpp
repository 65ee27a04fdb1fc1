// Hover, signature help, completion and the outline, on the descriptions of the keywords.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "lsp/completamento.h"
#include "lsp/firma.h"
#include "lsp/hover.h"
#include "lsp/posizioni_testo.h"
#include "lsp/simboli.h"
#include "source_text/descrizione_campi.h"

namespace {

const std::string treno =
    "[generale]\r\n"
    "[stazioni]\r\n"
    "stazione,    9000, 12,  400,  0, 1, 1,  1,1,0,  5,1,1,   60,   6,40,00, OSTIA\r\n"
    "stazione,    3750, 12,  400,  0, 1, 1,  1,1,0,  5,1,1,   60,   6,20,54, ROMA TUSCOLANA, 5\r\n"
    "[segnali]\r\n"
    "segnale,    6550,   2, 2, 3,  0, 1,    0,  0,0,0, 0\r\n"
    "\r\n";

std::string testo_hover(std::size_t riga, std::size_t colonna) {
    const nlohmann::json h = hover_a(treno, sorgente::file_treno, riga, colonna);
    return h.is_null() ? "" : h["contents"]["value"].get<std::string>();
}

TEST(hover_a, describes_the_value_under_the_cursor) {
    const std::string testo = testo_hover(3, 14);
    EXPECT_NE(testo.find("**stazione**, value 1 of 17"), std::string::npos) << testo;
    const descrizione_parola_chiave& stazione = *parola_chiave_di(sorgente::file_treno, "stazione");
    EXPECT_NE(testo.find(std::string(stazione.valori[0].nome)), std::string::npos) << testo;
    // What is stored is told from the whole line: the stop zone needs the kind and length too.
    const std::int64_t numeri[] = {3750, 12, 400, 0, 1, 1, 1, 1, 0, 5, 1, 1, 60, 6, 20, 54};
    const std::string memorizzato = valore_memorizzato(stazione, 0, numeri);
    ASSERT_FALSE(memorizzato.empty());
    EXPECT_NE(testo.find(memorizzato), std::string::npos) << testo;
    const nlohmann::json h = hover_a(treno, sorgente::file_treno, 3, 14);
    EXPECT_EQ(h["range"]["start"]["character"], 13);
    EXPECT_EQ(h["range"]["end"]["character"], 17);
}

TEST(hover_a, describes_the_keyword_and_an_extra_value) {
    const descrizione_parola_chiave& stazione = *parola_chiave_di(sorgente::file_treno, "stazione");
    EXPECT_NE(testo_hover(3, 2).find(std::string(stazione.descrizione)), std::string::npos);
    EXPECT_NE(testo_hover(3, 89).find("one value too many"), std::string::npos)
        << testo_hover(3, 89);
}

TEST(hover_a, has_nothing_off_the_fields_of_a_keyword_line) {
    EXPECT_EQ(testo_hover(3, 11), "");  // blanks between two fields
    EXPECT_EQ(testo_hover(1, 3), "");   // a header
    EXPECT_EQ(testo_hover(6, 0), "");   // an empty line
    EXPECT_EQ(testo_hover(40, 0), "");  // past the end
}

TEST(firma_a, lists_the_values_and_marks_the_one_being_typed) {
    const nlohmann::json f = firma_a(treno, sorgente::file_treno, 3, 21);
    ASSERT_FALSE(f.is_null());
    EXPECT_EQ(f["activeParameter"], 1);
    const nlohmann::json& firma = f["signatures"][0];
    const std::string etichetta = firma["label"];
    const descrizione_parola_chiave& stazione = *parola_chiave_di(sorgente::file_treno, "stazione");
    ASSERT_EQ(firma["parameters"].size(), stazione.valori.size());
    for (std::size_t k = 0; k < stazione.valori.size(); ++k) {
        const std::size_t da = byte_da_utf16(etichetta, firma["parameters"][k]["label"][0]);
        const std::size_t a = byte_da_utf16(etichetta, firma["parameters"][k]["label"][1]);
        EXPECT_EQ(etichetta.substr(da, a - da), stazione.valori[k].nome);
    }
    EXPECT_TRUE(firma_a(treno, sorgente::file_treno, 3, 5).is_null());  // on the keyword
    EXPECT_TRUE(firma_a(treno, sorgente::file_treno, 1, 5).is_null());  // a header
}

std::vector<std::string> etichette(const nlohmann::json& voci) {
    std::vector<std::string> nomi;
    for (const nlohmann::json& v : voci) nomi.push_back(v["label"]);
    return nomi;
}

TEST(completamento_a, offers_the_keywords_and_headers_at_the_start_of_a_line) {
    for (const sorgente file : {sorgente::file_linea, sorgente::file_treno}) {
        const nlohmann::json voci = completamento_a("[generale]\r\n  \r\n", file, 1, 2);
        const std::vector<std::string> nomi = etichette(voci);
        for (const descrizione_parola_chiave& p : parole_chiave(file)) {
            EXPECT_NE(std::find(nomi.begin(), nomi.end(), std::string(p.parola)), nomi.end())
                << p.parola;
        }
        EXPECT_NE(std::find(nomi.begin(), nomi.end(), "[generale]"), nomi.end());
        EXPECT_NE(std::find(nomi.begin(), nomi.end(), "[fine]"), nomi.end());
    }
}

TEST(completamento_a, gives_a_whole_line_for_a_keyword) {
    const nlohmann::json voci = completamento_a("sta", sorgente::file_treno, 0, 3);
    const auto stazione = std::find_if(voci.begin(), voci.end(),
                                       [](const auto& v) { return v["label"] == "stazione"; });
    ASSERT_NE(stazione, voci.end());
    const std::string snippet = (*stazione)["textEdit"]["newText"];
    EXPECT_TRUE(snippet.starts_with("stazione,")) << snippet;
    EXPECT_NE(snippet.find("${17:"), std::string::npos) << snippet;
    EXPECT_EQ((*stazione)["textEdit"]["range"]["start"]["character"], 0);
    EXPECT_EQ((*stazione)["textEdit"]["range"]["end"]["character"], 3);
    EXPECT_TRUE(completamento_a("stazione, 3", sorgente::file_treno, 0, 11).empty());
}

TEST(simboli_documento, lists_the_features_along_the_line) {
    const nlohmann::json simboli = simboli_documento(treno, sorgente::file_treno);
    ASSERT_EQ(simboli.size(), 3u) << simboli.dump();
    EXPECT_EQ(simboli[0]["name"], "ROMA TUSCOLANA");
    EXPECT_EQ(simboli[0]["range"]["start"]["line"], 3);
    EXPECT_EQ(simboli[1]["name"], "segnale 6550 m");
    EXPECT_EQ(simboli[2]["name"], "OSTIA");
    EXPECT_NE(simboli[2]["detail"].get<std::string>().find("9000 m"), std::string::npos);
}

}  // namespace
