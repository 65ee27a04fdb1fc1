// The dump of the embedded scenario, in real units and as JSON, against the expected
// output kept in tests/attesi; and the rules that the labelled form follows.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>

#include "aiuto_test.h"
#include "driver/esecuzione_incorporata.h"
#include "inspect/dump.h"
#include "inspect/etichette_celle.h"
#include "inspect/etichette_tabella.h"
#include "inspect/unita_misura.h"
#include "model/form1.h"

namespace {

std::string atteso(const std::string& nome) {
    return aiuto::leggi(std::string(COMPILA_SORGENTI) + "/tests/attesi/" + nome);
}

class DumpIncorporato : public testing::Test {
  protected:
    static void SetUpTestSuite() {
        dir = new aiuto::cartella_temporanea;
        esegui_incorporato({dir->percorso(), true, false});
    }
    static void TearDownTestSuite() { delete dir; }

    static std::string dump(genere_file g, const std::string& suffisso, opzioni_dump o) {
        std::ostringstream uscita;
        scrivi_dump(uscita, g, aiuto::leggi(dir->file("Zarvelotimbrasquinoverdaltepa_" + suffisso)),
                    o);
        return uscita.str();
    }

    static aiuto::cartella_temporanea* dir;
};

aiuto::cartella_temporanea* DumpIncorporato::dir = nullptr;

TEST_F(DumpIncorporato, TestoInUnitaReali) {
    EXPECT_EQ(dump(genere_file::tabella, "9402.sim", {}), atteso("dump_incorporato_sim.txt"));
    EXPECT_EQ(dump(genere_file::celle, "9402.dat", {}), atteso("dump_incorporato_dat.txt"));
    opzioni_dump o;
    o.a = 3;
    EXPECT_EQ(dump(genere_file::profilo, "linea.dat", o), atteso("dump_incorporato_profilo.txt"));
}

TEST_F(DumpIncorporato, JsonConICampiInUnitaAccantoAQuelliMemorizzati) {
    opzioni_dump o;
    o.json = true;
    EXPECT_EQ(dump(genere_file::tabella, "9402.sim", o), atteso("dump_incorporato_sim.json"));
    o.a = 60;
    const std::string celle = dump(genere_file::celle, "9402.dat", o);
    EXPECT_EQ(celle, atteso("dump_incorporato_dat.json"));
    // --raw leaves the stored fields alone, in the same order.
    o.grezzo = true;
    o.tutti = true;
    const nlohmann::ordered_json grezzo =
        nlohmann::ordered_json::parse(dump(genere_file::celle, "9402.dat", o));
    const nlohmann::ordered_json con_unita = nlohmann::ordered_json::parse(celle);
    for (const auto& c : con_unita["celle"]) {
        const auto& g = grezzo["celle"][c["cella"].get<std::size_t>()];
        for (const auto& [chiave, valore] : g.items()) EXPECT_EQ(c[chiave], valore) << chiave;
        EXPECT_EQ(c.size(), g.size() + 3);
    }
}

TEST(UnitaMisura, OreVelocitaPendenze) {
    EXPECT_EQ(in_ore(22854), "06:20:54");
    EXPECT_EQ(in_ore(0), "00:00:00");
    EXPECT_EQ(in_ore(100 * 3600 + 61), "100:01:01");
    EXPECT_EQ(in_ore(-61), "-00:01:01");
    EXPECT_EQ(in_ore(6, 21, 54), "06:21:54");
    EXPECT_EQ(in_kmh(kmh_di(18)), "90 km/h");
    EXPECT_EQ(in_permille(permille_di(105)), "+5 \u2030");
    EXPECT_EQ(in_permille(permille_di(100)), "0 \u2030");
    EXPECT_EQ(in_permille(permille_di(92)), "-8 \u2030");
    EXPECT_EQ(in_metri(metro_della_cella(39)), "1950 m");
}

TEST(EtichetteCelle, MostrateSoloDoveCambiaQualcosa) {
    cella binario;
    binario.vel_limite = 18;
    binario.pendenza = 100;
    binario.aderenza = 100;
    cella pendenza = binario;
    pendenza.pendenza = 105;
    cella marcata = binario;
    marcata.preavviso = 81;
    cella segnale = binario;
    segnale.tipo = tipo_cella::segnale;
    struct caso {
        const char* nome;
        cella c;
        std::size_t indice;
        bool mostrata;
    };
    const caso casi[] = {
        {"uguale alla precedente", binario, 20, false}, {"cambia la pendenza", pendenza, 20, true},
        {"un segno di preavviso", marcata, 20, true},   {"un oggetto", segnale, 20, true},
        {"la cella d'intestazione", binario, 1, true},
    };
    for (const caso& k : casi) {
        EXPECT_EQ(cella_da_mostrare(k.c, &binario, k.indice), k.mostrata) << k.nome;
    }
    EXPECT_TRUE(cella_da_mostrare(binario, nullptr, 0));
}

TEST(EtichetteCelle, ValoriDiOgniOggettoPerSignificato) {
    struct caso {
        std::uint8_t tipo;
        std::int16_t valori[4];
        const char* atteso;
    };
    const caso casi[] = {
        {tipo_cella::segnale,
         {42, 0, 0, 8},
         "segnale valore_1=42 (s1=4 d1=2) valore_2=0 (s2=0 d2=0) valore_3=0 (s3=0 d3=0) "
         "valore_4=8 (rapp=0 sx=2 dx=2) tempo=0"},
        {tipo_cella::inizio_rallentamento,
         {30, 0, 1, 0},
         "inizio_rallentamento valore_1=30 (30 km/h) valore_2=0 (d_v) valore_3=1 (f_tt)"},
        {tipo_cella::avviso_rallentamento,
         {30, 5, 0, 0},
         "avviso_rallentamento valore_1=30 (30 km/h) valore_2=5 (d_v)"},
        {tipo_cella::indicatore_vmax,
         {1818, 2220, 0, 10},
         "indicatore_vmax valore_1=1818 (vas=90 vad=90 km/h) valore_2=2220 (vbs=110 vbd=100 "
         "km/h) valore_3=0 (vcs=0 vcd=0 km/h) valore_4=10 (strisces=1 strisced=0)"},
        {tipo_cella::fermata_stazione, {2, 0, 0, 0}, "fermata_stazione valore_1=2 (riga 2)"},
        {tipo_cella::abbattimento, {180, 0, 0, 0}, "abbattimento valore_1=180 (codice)"},
        {tipo_cella::marcatore_montagna, {0, 0, 7, 0}, "marcatore_montagna valore_3=7"},
    };
    const std::string binario = " vel_limite=18 (90 km/h) pendenza=92 (-8 \u2030) aderenza=100";
    for (const caso& k : casi) {
        cella c;
        c.tipo = k.tipo;
        c.valore_1 = k.valori[0];
        c.valore_2 = k.valori[1];
        c.valore_3 = k.valori[2];
        c.valore_4 = k.valori[3];
        c.vel_limite = 18;
        c.pendenza = 92;
        c.aderenza = 100;
        EXPECT_EQ(etichette_cella(c, 20).come_testo(), k.atteso + binario);
    }
    cella intestazione;
    intestazione.valore_1 = 5121;
    intestazione.valore_2 = 2507;
    EXPECT_EQ(etichette_cella(intestazione, 1).come_testo(),
              "intestazione valore_1=5121 (marcatore) valore_2=2507 (codice di controllo) "
              "vel_limite=0 (0 km/h) pendenza=0 (-100 \u2030) aderenza=0");
}

// Stations fill rows from 1 up and boards from 80 down; whatever else is filled below 81 is
// shown by its stored fields.
TEST(EtichetteTabella, OgniRigaPerCioCheContiene) {
    tabella_sim_decodificata t{};
    t[1].posizione = 3750;
    t[1].tipo = 12;
    t[1].inizio = 3550;
    t[1].fine = 4000;
    t[1].dato_6 = 1;
    t[1].dato_13 = 60;
    t[1].orario = 22854;
    t[1].nome = "ROMA";
    t[2].nome = "SECONDA";
    t[40].dato_8 = 3;
    t[79].nome = "(SUD)";
    t[80].nome = "(NORD)";
    t[81] = {0, 1000, 2000, 1, 0, "", 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    t[84].inizio = 100;
    t[84].fine = 32000;
    t[84].posizione = 5;
    t[85].nome = "Linea";
    t[85].inizio = 1;
    t[85].dato_7 = 610;
    t[85].orario = 34967;
    t[86].nome = "9402";
    t[86].inizio = 7150;
    t[86].fine = 27450;
    t[86].posizione = 9;
    t[86].dato_10 = 6;
    t[86].dato_11 = 21;
    t[86].dato_12 = 54;
    const std::vector<contenuto_riga> c = contenuti_righe(t);
    const struct {
        int riga;
        const char* atteso;
    } casi[] = {
        {1,
         "stazione posizione=3750 m tipo=12 inizio_zona=3550 m fine_zona=4000 m quarto=0 "
         "quinto=0 sesto=1 settimo=0 ottavo=0 nono=0 decimo=0 undicesimo=0 dodicesimo=0 "
         "tredicesimo=60 orario=22854 (06:20:54) nome=\"ROMA\""},
        {40, "altro dato_8=3"},
        {79, "cartello testo=\"(SUD)\""},
        {80, "cartello testo=\"(NORD)\""},
        {81, "progressiva_chilometrica inizio=1000 m fine=2000 m posizione=1"},
        {84, "treno_e_linea massa_frenata=100 % lunghezza_linea=32000 m vetture=5"},
        {85,
         "linea nome_linea=\"Linea\" sfondo_uno=1 sfondo_due=0 sfondo_tre=0 marcatore=610 "
         "codice_controllo=34967"},
        {86,
         "treno numero_treno=\"9402\" ripetizione_inizio=7150 m ripetizione_fine=27450 m "
         "codici_ripetizione=9 sabbia=0 orologio=06:21:54"},
    };
    for (const auto& k : casi) {
        const auto i = static_cast<std::size_t>(k.riga);
        EXPECT_EQ(etichette_riga(t[i], c[i]).come_testo(), k.atteso) << k.riga;
    }
    EXPECT_EQ(c[2], contenuto_riga::stazione);
    EXPECT_EQ(c[3], contenuto_riga::vuota);
}

}  // namespace
