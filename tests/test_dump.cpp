#include <gtest/gtest.h>

#include <iostream>
#include <nlohmann/json.hpp>
#include <sstream>

#include "inspect/comandi_ispezione.h"
#include "inspect/dump.h"
#include "inspect/lettore_le.h"
#include "scenario_prova.h"
#include "source_text/codifica_1252.h"

namespace {

class DumpTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        cartella = new prova::cartella_temporanea;
        modello = prova::compila(*cartella).release();
    }
    static void TearDownTestSuite() {
        delete modello;
        delete cartella;
    }

    static std::string dump(genere_file g, const std::string& percorso, opzioni_dump o) {
        std::ostringstream uscita;
        scrivi_dump(uscita, g, prova::leggi(percorso), o);
        return uscita.str();
    }
    static nlohmann::json json_completo(genere_file g, const std::string& percorso) {
        opzioni_dump o;
        o.json = true;
        o.tutti = true;
        return nlohmann::json::parse(dump(g, percorso, o));
    }

    static prova::cartella_temporanea* cartella;
    static Form1* modello;
};

prova::cartella_temporanea* DumpTest::cartella = nullptr;
Form1* DumpTest::modello = nullptr;

// Swaps a stream's buffer for a string while in scope.
class cattura {
  public:
    explicit cattura(std::ostream& s) : s_(s), vecchio_(s.rdbuf(testo_.rdbuf())) {}
    ~cattura() { s_.rdbuf(vecchio_); }
    std::string testo() const { return testo_.str(); }

  private:
    std::ostream& s_;
    std::ostringstream testo_;
    std::streambuf* vecchio_;
};

TEST_F(DumpTest, TabellaJsonRiportaOgniCampoDelModello) {
    const nlohmann::json d = json_completo(genere_file::tabella, prova::file_sim(*cartella));
    EXPECT_EQ(d["genere"].get<std::string>(), "tabella");
    const auto& righe = d["righe"];
    ASSERT_EQ(righe.size(), 87u);
    for (std::size_t i = 0; i < righe.size(); ++i) {
        SCOPED_TRACE("riga " + std::to_string(i));
        const riga_sim& m = modello->tabella_sim[i];
        const nlohmann::json& r = righe[i];
        EXPECT_EQ(r["riga"], i);
        EXPECT_EQ(r["tipo"], m.tipo);
        EXPECT_EQ(r["inizio"], m.inizio);
        EXPECT_EQ(r["fine"], m.fine);
        EXPECT_EQ(r["posizione"], m.posizione);
        EXPECT_EQ(r["dato_4"], m.dato_4);
        EXPECT_EQ(r["nome"].get<std::string>(), testo_1252_a_utf8(m.nome));
        EXPECT_EQ(r["dato_7"], m.dato_7);
        EXPECT_EQ(r["dato_8"], m.dato_8);
        EXPECT_EQ(r["dato_10"], m.dato_10);
        EXPECT_EQ(r["dato_11"], m.dato_11);
        EXPECT_EQ(r["dato_12"], m.dato_12);
        EXPECT_EQ(r["dato_9"], m.dato_9);
        EXPECT_EQ(r["dato_13"], m.dato_13);
        EXPECT_EQ(r["dato_6"], m.dato_6);
        EXPECT_EQ(r["dato_5"], m.dato_5);
        EXPECT_EQ(r["orario"], m.orario);
    }
    EXPECT_EQ(righe[2]["nome"].get<std::string>(), "CITT\xC3\x80");
    EXPECT_EQ(righe[85]["nome"].get<std::string>(), prova::linea);
    EXPECT_EQ(righe[86]["inizio"], 1000);
}

TEST_F(DumpTest, CelleJsonRiportanoOgniCampoDelModello) {
    const nlohmann::json d = json_completo(genere_file::celle, prova::file_celle(*cartella));
    const auto& celle = d["celle"];
    ASSERT_EQ(celle.size(), modello->celle.size());
    EXPECT_EQ(d["totale"], modello->celle.size());
    for (std::size_t i = 0; i < celle.size(); ++i) {
        SCOPED_TRACE("cella " + std::to_string(i));
        const cella& m = modello->celle[i];
        const nlohmann::json& c = celle[i];
        EXPECT_EQ(c["cella"], i);
        EXPECT_EQ(c["tipo"], m.tipo);
        EXPECT_EQ(c["valore_1"], m.valore_1);
        EXPECT_EQ(c["valore_2"], m.valore_2);
        EXPECT_EQ(c["valore_3"], m.valore_3);
        EXPECT_EQ(c["valore_4"], m.valore_4);
        EXPECT_EQ(c["tempo"], m.tempo);
        EXPECT_EQ(c["preavviso"], m.preavviso);
        EXPECT_EQ(c["montagna"], m.montagna);
        EXPECT_EQ(c["vel_limite"], m.vel_limite);
        EXPECT_EQ(c["pendenza"], m.pendenza);
        EXPECT_EQ(c["aderenza"], m.aderenza);
    }
    EXPECT_EQ(celle[1]["valore_1"], 5121);
    EXPECT_EQ(celle[39]["oggetto"].get<std::string>(), "segnale");
}

TEST_F(DumpTest, ProfiloJsonRiportaTipiEValoriEsatti) {
    const nlohmann::json d = json_completo(genere_file::profilo, prova::file_profilo(*cartella));
    const auto& p = modello->profilo_linea;
    const auto& metri = d["metri"];
    ASSERT_EQ(metri.size(), static_cast<std::size_t>(p.ultimo_metro()) + 1);
    const char* nomi[] = {"vuoto", "", "intero16", "", "", "doppio"};
    for (std::size_t m = 0; m < metri.size(); ++m) {
        for (int c = 0; c < 2; ++c) {
            SCOPED_TRACE("metro " + std::to_string(m) + " colonna " + std::to_string(c));
            const std::string suffisso = std::to_string(c);
            const tipo_elemento t = p.tipo(static_cast<std::int64_t>(m), c);
            EXPECT_EQ(metri[m]["tipo_" + suffisso].get<std::string>(), nomi[static_cast<int>(t)]);
            const nlohmann::json& v = metri[m]["colonna_" + suffisso];
            if (t == tipo_elemento::vuoto) {
                EXPECT_TRUE(v.is_null());
            } else {
                EXPECT_EQ(v.get<double>(), p.valore(static_cast<std::int64_t>(m), c));
            }
        }
    }
}

TEST_F(DumpTest, IntervalloESaltoDeiRecordVuoti) {
    auto righe = [](const std::string& testo, const std::string& etichetta) {
        std::vector<std::string> trovate;
        std::istringstream in(testo);
        for (std::string r; std::getline(in, r);) {
            if (r.rfind(etichetta, 0) == 0) trovate.push_back(r);
        }
        return trovate;
    };
    opzioni_dump o;
    o.grezzo = true;
    o.da = 20;
    o.a = 40;
    const auto celle = righe(dump(genere_file::celle, prova::file_celle(*cartella), o), "cella ");
    std::size_t attese = 0;
    for (std::size_t i = 20; i <= 40; ++i) attese += modello->celle[i] == cella{} ? 0 : 1;
    ASSERT_EQ(celle.size(), attese);
    EXPECT_EQ(celle.front().rfind("cella 20: ", 0), 0u);

    o = {};
    const auto tabella = righe(dump(genere_file::tabella, prova::file_sim(*cartella), o), "riga ");
    std::size_t piene = 0;
    for (const riga_sim& r : modello->tabella_sim) piene += r == riga_sim{} ? 0 : 1;
    EXPECT_EQ(tabella.size(), piene);
    EXPECT_LT(piene, 87u);
    EXPECT_NE(tabella.front().find("nome=\"PRIMA\""), std::string::npos);

    // The profile's last two metres are empty: shown only with --all.
    const std::string profilo = prova::file_profilo(*cartella);
    o.da = static_cast<std::int64_t>(modello->profilo_linea.ultimo_metro()) - 3;
    EXPECT_EQ(righe(dump(genere_file::profilo, profilo, o), "metro ").size(), 2u);
    o.tutti = true;
    const auto tutti = righe(dump(genere_file::profilo, profilo, o), "metro ");
    ASSERT_EQ(tutti.size(), 4u);
    EXPECT_NE(tutti.back().find("tipo_0=vuoto colonna_0=-"), std::string::npos);
}

// Each case damages a good file; the report must name the record and the byte.
struct guasto_file {
    const char* caso;
    genere_file genere;
    int taglio;               // bytes removed from the end (negative: zero bytes added)
    std::size_t sovrascrivi;  // offset of one byte set to 0x07, or npos
    std::vector<std::string> attesi;
};

TEST_F(DumpTest, FileCheNonRispettaLoSchemaSegnalatoConRecordEByte) {
    const std::size_t n_celle = modello->celle.size();
    const std::size_t fine_celle = n_celle * 15;
    const std::size_t no = std::string::npos;
    const std::vector<guasto_file> casi{
        {"tabella troncata",
         genere_file::tabella,
         1,
         no,
         {"riga 86 (dal byte", "campo orario (servono 4 byte, ne restano 3)"}},
        {"tabella con byte in più",
         genere_file::tabella,
         -3,
         no,
         {"dopo la riga 86", "3 byte in più oltre le 87 righe"}},
        {"tabella vuota", genere_file::tabella, 1 << 20, no, {"riga 0 (dal byte 0), byte 0"}},
        {"celle troncate",
         genere_file::celle,
         1,
         no,
         {"cella " + std::to_string(n_celle - 1), "byte " + std::to_string(fine_celle - 1),
          "campo aderenza"}},
        {"celle con un byte in più",
         genere_file::celle,
         -1,
         no,
         {"cella " + std::to_string(n_celle) + " (dal byte " + std::to_string(fine_celle) + ")",
          "campo valore_1"}},
        {"celle senza marcatore",
         genere_file::celle,
         0,
         16,
         {"cella 1, byte 16", "invece del marcatore 5121"}},
        {"profilo troncato", genere_file::profilo, 1, no, {"campo tipo (servono 2 byte"}},
        {"profilo con una colonna più lunga",
         genere_file::profilo,
         -2,
         no,
         {"servono due colonne della stessa lunghezza"}},
        {"profilo con un tipo sconosciuto",
         genere_file::profilo,
         0,
         0,
         {"elemento 0, byte 0: tipo 7 sconosciuto"}},
    };
    for (const guasto_file& c : casi) {
        SCOPED_TRACE(c.caso);
        const std::string percorso = c.genere == genere_file::tabella ? prova::file_sim(*cartella)
                                     : c.genere == genere_file::celle
                                         ? prova::file_celle(*cartella)
                                         : prova::file_profilo(*cartella);
        std::string dati = prova::leggi(percorso);
        if (c.taglio > 0) dati.resize(dati.size() - std::min<std::size_t>(dati.size(), c.taglio));
        if (c.taglio < 0) dati.append(static_cast<std::size_t>(-c.taglio), '\0');
        if (c.sovrascrivi != no) dati[c.sovrascrivi] = 7;
        std::ostringstream uscita;
        try {
            scrivi_dump(uscita, c.genere, dati, opzioni_dump{});
            ADD_FAILURE() << "nessun errore";
        } catch (const formato_errato& e) {
            for (const std::string& a : c.attesi)
                EXPECT_NE(std::string(e.what()).find(a), std::string::npos) << e.what();
        }
        EXPECT_EQ(uscita.str(), "");
    }
}

TEST_F(DumpTest, ComandoEsceConUnoSuFileRottoESessantaquattroSuUsoErrato) {
    const std::string rotto = cartella->file("rotto_1.dat");
    std::ofstream(rotto, std::ios::binary) << std::string(20, '\0');
    {
        cattura err(std::cerr);
        cattura out(std::cout);
        EXPECT_EQ(esegui_dump({rotto}), 1);
        EXPECT_EQ(err.testo().rfind("compila_scenario: errore: " + rotto + ": cella 1", 0), 0u)
            << err.testo();
        EXPECT_EQ(out.testo(), "");
    }
    const std::string sim = prova::file_sim(*cartella);
    const std::vector<std::vector<std::string_view>> usi{
        {},
        {sim, "--bho"},
        {sim, "--from"},
        {sim, "--from", "-3"},
        {sim, "--to", "12x"},
        {sim, "--from", "9", "--to", "3"},
        {sim, sim},
        {"scenario.txt"},
    };
    for (const auto& argomenti : usi) {
        cattura err(std::cerr);
        EXPECT_EQ(esegui_dump(argomenti), 64);
        EXPECT_NE(err.testo().find("Try 'compila_scenario --help'"), std::string::npos);
    }
    cattura out(std::cout);
    EXPECT_EQ(esegui_dump({sim, "--json", "--from", "2", "--to", "2"}), 0);
    EXPECT_EQ(nlohmann::json::parse(out.testo())["righe"].at(0)["riga"], 2);
}

}  // namespace
