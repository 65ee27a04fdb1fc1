// The generated longest line must compile cleanly: the benchmarks time it, and a finding
// would make them time an error path instead.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include "platform/cartella_temporanea.h"
#include "driver/compilazione.h"
#include "output/file_atomico.h"
#include "scenario_lungo.h"

namespace {

struct esito_linea_lunga {
    Form1 f;
    rapporto_esecuzione r;
};

void compila_linea_lunga(esito_linea_lunga& e, const std::string& cartella, bool senza_profilo) {
    const std::string linea = cartella + "/" + nome_linea_lunga + "_linea.txt";
    const std::string treno =
        cartella + "/" + nome_linea_lunga + "_" + numero_treno_lungo + "-.txt";
    scrivi_file_intero(linea, testo_linea_lunga());
    scrivi_file_intero(treno, testo_treno_lungo());
    richiesta_compilazione q{linea,         treno, cartella, nome_linea_lunga, numero_treno_lungo,
                             senza_profilo, false};
    e.r = compila(e.f, q);
}

std::size_t conta_celle(const Form1& f, std::uint8_t tipo) {
    return static_cast<std::size_t>(std::count_if(
        f.celle.begin(), f.celle.end(), [tipo](const cella& c) { return c.tipo == tipo; }));
}

TEST(LineaLunga, CompilesWithoutFindingWithAndWithoutProfile) {
    for (const bool senza_profilo : {false, true}) {
        SCOPED_TRACE(senza_profilo ? "--no-profile" : "profile");
        cartella_temporanea cartella;
        esito_linea_lunga e;
        compila_linea_lunga(e, cartella.percorso(), senza_profilo);
        EXPECT_EQ(e.r.esito, esito_esecuzione::ok) << e.r.diagnostica;
        EXPECT_EQ(e.f.codice_errore, 0);
        EXPECT_EQ(e.f.numero_celle, 20140);
        // Every kind of feature arrived, and the pass had slowdowns to serve.
        EXPECT_EQ(e.f.riga(72).nome, "STAZIONE 72");
        EXPECT_TRUE(e.f.riga(73).nome.empty());
        EXPECT_EQ(conta_celle(e.f, tipo_cella::segnale), 666u);
        EXPECT_EQ(conta_celle(e.f, tipo_cella::indicatore_vmax), 334u);
        EXPECT_EQ(conta_celle(e.f, tipo_cella::inizio_rallentamento), 50u);
        EXPECT_GT(conta_celle(e.f, tipo_cella::abbattimento), 50u * 5);
        const std::string profilo = cartella.percorso() + "/" + nome_linea_lunga + "_linea.dat";
        EXPECT_EQ(std::filesystem::exists(profilo), !senza_profilo);
    }
}

}  // namespace
