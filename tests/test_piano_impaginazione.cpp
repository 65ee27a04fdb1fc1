// How the drawing is laid out: the plan view turned to fill its width, no text over
// another, everything in a browser window, and a look at it in a real browser.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "aiuto_test.h"
#include "driver/esecuzione_incorporata.h"
#include "inspect/carica_scenario.h"
#include "inspect/elementi_linea.h"
#include "inspect/piano_svg.h"
#include "model/form1.h"
#include "scenario_prova.h"

namespace {

// Every pair of text boxes, and every text against the station lines across the chart, so
// that a failure names the places.
void nessuna_sovrapposizione(const disegno_piano& d) {
    ASSERT_FALSE(d.testi.empty());
    ASSERT_FALSE(d.ostacoli.empty());
    for (std::size_t i = 0; i < d.testi.size(); ++i) {
        const riquadro& a = d.testi[i];
        EXPECT_GE(a.x0, 0) << "testo " << i << " fuori dalla pagina";
        EXPECT_LE(a.x1, d.larghezza_pagina) << "testo " << i << " fuori dalla pagina";
        for (std::size_t k = i + 1; k < d.testi.size(); ++k) {
            const riquadro& b = d.testi[k];
            EXPECT_FALSE(a.interseca(b)) << "testi " << i << " (" << a.x0 << "," << a.y0 << ") e "
                                         << k << " (" << b.x0 << "," << b.y0 << ")";
        }
        for (const riquadro& linea : d.ostacoli) {
            EXPECT_FALSE(a.interseca(linea))
                << "testo " << i << " (" << a.x0 << "," << a.y0 << ") sulla linea a " << linea.x0;
        }
    }
}

double quota_di_larghezza(const disegno_piano& d) {
    return (d.linea_a - d.linea_da) / d.larghezza_piano;
}

class PianoIncorporato : public testing::Test {
  protected:
    static void SetUpTestSuite() {
        dir = new aiuto::cartella_temporanea;
        esegui_incorporato({dir->percorso(), true, false});
        const scenario_compilato s =
            carica_scenario(dir->file("Zarvelotimbrasquinoverdaltepa_9402.sim"));
        disegno = new disegno_piano(
            componi_piano(estrai_elementi(s.tabella, s.celle), &*s.profilo_linea));
    }
    static void TearDownTestSuite() {
        delete disegno;
        delete dir;
    }

    static aiuto::cartella_temporanea* dir;
    static disegno_piano* disegno;
};

aiuto::cartella_temporanea* PianoIncorporato::dir = nullptr;
disegno_piano* PianoIncorporato::disegno = nullptr;

TEST_F(PianoIncorporato, LineaRuotataOccupaLaLarghezza) {
    EXPECT_GE(quota_di_larghezza(*disegno), 0.8);
    // The line runs mostly north: the drawing is turned, and says so.
    EXPECT_NE(disegno->svg.find("disegno ruotato: nord a "), std::string::npos);
}

TEST_F(PianoIncorporato, NessunTestoSopraUnAltro) {
    nessuna_sovrapposizione(*disegno);
}

TEST_F(PianoIncorporato, GraficoEPiantaInUnaFinestraDa1600Per1000) {
    EXPECT_LE(disegno->larghezza_pagina, 1600 - 20);  // and a vertical scroll bar
    EXPECT_LE(disegno->fondo_striscia, disegno->fondo_piano);
    EXPECT_LE(disegno->fondo_piano, 1000);
}

// Chromium draws the page as a browser window of 1600 x 1000 shows it. The PNG stays in the
// build folder to be looked at.
TEST_F(PianoIncorporato, FotografiaInChromium) {
#ifdef _WIN32
    GTEST_SKIP() << "the Chromium of this machine is a Linux program: it does not run here";
#endif
    const std::string chromium = "/usr/bin/chromium";
    if (!std::filesystem::exists(chromium)) GTEST_SKIP() << "Chromium non installato";
    const std::filesystem::path cartella = COMPILA_CARTELLA_PROVE;
    const std::filesystem::path svg = cartella / "piano_incorporato.svg";
    const std::filesystem::path png = cartella / "piano_incorporato.png";
    std::ofstream(svg, std::ios::binary) << disegno->svg;
    std::filesystem::remove(png);
    aiuto::cartella_temporanea profilo_browser;
    const std::string comando =
        "timeout 120 " + chromium +
        " --headless --no-sandbox --disable-gpu --disable-quic --no-first-run"
        " --disable-background-networking --disable-component-update --disable-sync"
        " --user-data-dir=" +
        profilo_browser.percorso() + " --screenshot=" + png.string() +
        " --window-size=1600,1000 file://" + svg.string() + " > " +
        profilo_browser.file("uscita.txt") + " 2>&1";
    ASSERT_EQ(std::system(comando.c_str()), 0) << aiuto::leggi(profilo_browser.file("uscita.txt"));
    const std::string immagine = aiuto::leggi(png.string());
    ASSERT_GT(immagine.size(), 24u);
    EXPECT_EQ(immagine.substr(1, 3), "PNG");
    auto intero_be = [&](std::size_t i) {
        std::uint32_t v = 0;
        for (std::size_t k = 0; k < 4; ++k)
            v = v << 8 | static_cast<unsigned char>(immagine[i + k]);
        return v;
    };
    EXPECT_EQ(intero_be(16), 1600u);
    EXPECT_EQ(intero_be(20), 1000u);
}

// A line that runs east with a long bend, built as its profile would be read back.
profilo linea_verso_est(std::int32_t lunghezza) {
    profilo p;
    p.crea(lunghezza + 7000);
    p.imposta_intero(0, 0, 0);
    p.imposta_intero(0, 1, 0);
    p.imposta_intero(1, 0, 1);
    p.imposta_intero(1, 1, 0);
    for (std::int32_t m = 2; m <= lunghezza + 6998; ++m) {
        p.imposta_doppio(m, 0, m);
        p.imposta_doppio(m, 1, 400 * std::sin(m / 4000.0));
    }
    return p;
}

TEST(PianoEstOvest, OccupaLaLarghezzaSenzaRuotareNeSovrapporre) {
    elementi_linea e;
    e.nome_linea = "Piana";
    e.numero_treno = "1";
    e.lunghezza = 20000;
    for (std::int32_t km = 0; km <= 20; km += 4) {
        e.stazioni.push_back({km * 1000, km * 1000 - 200, km * 1000 + 200,
                              "STAZIONE " + std::to_string(km), 8 * 3600});
    }
    for (std::int32_t m = 500; m < 20000; m += 700) {
        e.oggetti.push_back({genere_oggetto::indicatore_vmax, m, "100/110/120", "indicatore"});
        e.oggetti.push_back({genere_oggetto::abbattimento, m + 50, "180", "abbattimento"});
    }
    e.velocita = {{0, 20000, 100}};
    e.velocita_in_vigore = {{0, 5000, 100}, {5000, 6000, 30}, {6000, 20000, 100}};
    e.pendenze = {{0, 20000, 0}};
    const profilo p = linea_verso_est(e.lunghezza);
    const disegno_piano d = componi_piano(e, &p);
    EXPECT_GE(quota_di_larghezza(d), 0.8);
    // Turned by no more than the bend's few degrees, if at all.
    const std::size_t nota = d.svg.find("nord a ");
    if (nota != std::string::npos) {
        EXPECT_LE(std::abs(std::stoi(d.svg.substr(nota + 7))), 10) << d.svg.substr(nota, 20);
    } else {
        EXPECT_NE(d.svg.find("nord in alto"), std::string::npos);
    }
    nessuna_sovrapposizione(d);
}

TEST(PianoProva, OgniIndicatoreERallentamentoEtichettatoInUnita) {
    prova::cartella_temporanea c;
    prova::compila(c);
    const scenario_compilato s = carica_scenario(prova::file_sim(c));
    const disegno_piano d = componi_piano(estrai_elementi(s.tabella, s.celle), &*s.profilo_linea);
    std::ofstream(std::filesystem::path(COMPILA_CARTELLA_PROVE) / "piano_prova.svg") << d.svg;
    nessuna_sovrapposizione(d);
    for (const char* testo :
         {">90/90/100<", ">30 km/h<", "class=\"in-vigore\"", "class=\"curvatura\"", ">km/h<",
          ">pendenza \u2030<", ">curvatura 1/km<", ">km<",
          "<title>segnale a 1900 m, cella 39: segnale valore_1=30 (s1=3 d1=0)",
          "<title>PRIMA: 0 m, zona di fermata da -350 m a 400 m, orario 06:20:54</title>"}) {
        EXPECT_NE(d.svg.find(testo), std::string::npos) << testo;
    }
}

}  // namespace
