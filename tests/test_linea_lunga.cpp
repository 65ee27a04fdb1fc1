// The generated longest line must compile cleanly: the benchmarks time it, and a finding
// would make them time an error path instead.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include "aiuto_test.h"
#include "scenario_lungo.h"

namespace {

std::size_t conta_celle(const Form1& f, std::uint8_t tipo) {
    return static_cast<std::size_t>(std::count_if(
        f.celle.begin(), f.celle.end(), [tipo](const cella& c) { return c.tipo == tipo; }));
}

TEST(LineaLunga, CompilesWithoutFindingWithAndWithoutProfile) {
    for (const bool senza_profilo : {false, true}) {
        SCOPED_TRACE(senza_profilo ? "--no-profile" : "profile");
        Form1 f;
        aiuto::banco_prova banco(f, senza_profilo ? 0 : 1);
        banco.compila(testo_linea_lunga(), testo_treno_lungo());
        EXPECT_EQ(f.codice_errore, 0);
        EXPECT_TRUE(banco.reperti().empty());
        EXPECT_EQ(f.numero_celle, 20140);
        // Every kind of feature arrived, and the pass had slowdowns to serve.
        EXPECT_EQ(f.riga(72).nome, "STAZIONE 72");
        EXPECT_TRUE(f.riga(73).nome.empty());
        EXPECT_EQ(conta_celle(f, tipo_cella::segnale), 666u);
        EXPECT_EQ(conta_celle(f, tipo_cella::indicatore_vmax), 334u);
        EXPECT_EQ(conta_celle(f, tipo_cella::inizio_rallentamento), 50u);
        EXPECT_GT(conta_celle(f, tipo_cella::abbattimento), 50u * 5);
        EXPECT_EQ(banco.file().contains("L_linea.dat"), !senza_profilo);
    }
}

}  // namespace
