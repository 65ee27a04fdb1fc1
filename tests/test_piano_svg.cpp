#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <sstream>

#include "inspect/comandi_ispezione.h"
#include "model/guasto.h"
#include "scenario_prova.h"

namespace {

// Well-formedness as far as the drawing needs it: tags balanced under one root, quoted
// attributes, every '&' a predefined entity, no '<' in text, valid UTF-8.
std::string errore_xml(const std::string& x) {
    static const char* const entita[] = {"&amp;", "&lt;", "&gt;", "&quot;", "&apos;"};
    std::vector<std::string> aperti;
    int radici = 0;
    for (std::size_t i = 0; i < x.size();) {
        if (x[i] == '&') {
            bool nota = false;
            for (const char* e : entita) nota = nota || x.compare(i, std::strlen(e), e) == 0;
            if (!nota) return "'&' senza entità al byte " + std::to_string(i);
            ++i;
        } else if (x[i] != '<') {
            ++i;
        } else if (x.compare(i, 2, "<?") == 0) {
            i = x.find("?>", i) + 2;
        } else {
            const std::size_t fine = x.find('>', i);
            if (fine == std::string::npos) return "tag non chiuso";
            const std::string tag = x.substr(i + 1, fine - i - 1);
            if (std::count(tag.begin(), tag.end(), '"') % 2 != 0) return "virgolette in " + tag;
            if (tag.find('<') != std::string::npos) return "'<' dentro " + tag;
            if (tag.front() == '/') {
                if (aperti.empty() || aperti.back() != tag.substr(1)) return "chiuso " + tag;
                aperti.pop_back();
            } else {
                const std::string nome = tag.substr(0, tag.find_first_of(" /"));
                if (aperti.empty() && ++radici > 1) return "più di una radice";
                if (tag.back() != '/') aperti.push_back(nome);
            }
            i = fine + 1;
        }
    }
    if (!aperti.empty()) return "non chiuso: " + aperti.back();
    for (std::size_t i = 0; i < x.size();) {
        const auto b = static_cast<unsigned char>(x[i]);
        const std::size_t n = b < 0x80 ? 1 : b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : b >= 0xC2 ? 2 : 0;
        if (n == 0 || i + n > x.size()) return "UTF-8 non valido al byte " + std::to_string(i);
        for (std::size_t k = 1; k < n; ++k) {
            if ((static_cast<unsigned char>(x[i + k]) & 0xC0) != 0x80) return "UTF-8 non valido";
        }
        i += n;
    }
    return "";
}

std::size_t conta(const std::string& testo, const std::string& cosa) {
    std::size_t n = 0;
    for (auto i = testo.find(cosa); i != std::string::npos; i = testo.find(cosa, i + 1)) ++n;
    return n;
}

TEST(ControlloXml, RiconosceIDifetti) {
    EXPECT_EQ(errore_xml("<svg><g a=\"1\"/><text>A &amp; B</text></svg>"), "");
    EXPECT_NE(errore_xml("<svg><g></svg>"), "");
    EXPECT_NE(errore_xml("<svg><text>A & B</text></svg>"), "");
    EXPECT_NE(errore_xml("<svg/><svg/>"), "");
    EXPECT_NE(errore_xml("<svg>\xC0</svg>"), "");
}

TEST(PianoSvg, DisegnaLineaSimboliEGraficoConLeEtichette) {
    prova::cartella_temporanea c;
    prova::compila(c);
    const std::string svg_file = c.file("piano.svg");
    disegna_piano(prova::file_sim(c), svg_file);
    const std::string svg = prova::leggi(svg_file);
    ASSERT_EQ(errore_xml(svg), "");
    EXPECT_NE(svg.find("<g class=\"piano\">"), std::string::npos);
    EXPECT_NE(svg.find("<g class=\"striscia\">"), std::string::npos);
    for (const char* etichetta :
         {"Linea Val_di_prova", "treno 77", ">PRIMA<", ">CITT\xC3\x80<",
          ">(BIVIO)(A&amp;B &lt;NORD&gt;)<", ">(RACCORDO)(SUD)<", ">1 km<", "km/h",
          "ripetizione segnali in cabina, 9 codici, da 1000 a 5000 m"}) {
        EXPECT_NE(svg.find(etichetta), std::string::npos) << etichetta;
    }
    // Each object once in the plan, the legend's sample, and signals and stations again as
    // ticks in the strip chart.
    EXPECT_EQ(conta(svg, "href=\"#stazione\""), 2u + 1);
    EXPECT_EQ(conta(svg, "href=\"#segnale\""), 2u + 2 + 1);
    EXPECT_EQ(conta(svg, "href=\"#cartello\""), 2u + 1);
    EXPECT_EQ(conta(svg, "href=\"#vmax\""), 1u + 1);
    for (const char* s : {"#avviso", "#inizio", "#fine"}) {
        EXPECT_EQ(conta(svg, std::string("href=\"") + s + "\""), 1u + 1) << s;
    }
    EXPECT_GE(conta(svg, "href=\"#abbattimento\""), 1u + 1);
    EXPECT_EQ(conta(svg, "class=\"tacca-stazione\""), 2u);
}

TEST(PianoSvg, SenzaProfiloSoloIlGrafico) {
    prova::cartella_temporanea c;
    prova::compila(c, false);
    ASSERT_FALSE(std::filesystem::exists(prova::file_profilo(c)));
    disegna_piano(prova::file_sim(c), c.file("piano.svg"));
    const std::string svg = prova::leggi(c.file("piano.svg"));
    ASSERT_EQ(errore_xml(svg), "");
    EXPECT_EQ(svg.find("class=\"piano\""), std::string::npos);
    EXPECT_NE(svg.find("<g class=\"striscia\">"), std::string::npos);
    EXPECT_NE(svg.find(">CITT\xC3\x80<"), std::string::npos);
}

TEST(PianoSvg, FileDanneggiatoNominatoESvgNonScritto) {
    prova::cartella_temporanea c;
    prova::compila(c);
    const std::string celle = prova::file_celle(c);
    std::string dati = prova::leggi(celle);
    dati.pop_back();
    std::ofstream(celle, std::ios::binary) << dati;
    try {
        disegna_piano(prova::file_sim(c), c.file("piano.svg"));
        ADD_FAILURE() << "nessun errore";
    } catch (const guasto& g) {
        EXPECT_EQ(std::string(g.what()).rfind(celle + ": cella ", 0), 0u) << g.what();
    }
    EXPECT_FALSE(std::filesystem::exists(c.file("piano.svg")));
}

TEST(PianoSvg, ComandoPlanCodiciDiUscita) {
    prova::cartella_temporanea c;
    prova::compila(c);
    const std::string sim = prova::file_sim(c);
    const std::string svg = c.file("p.svg");
    std::ostringstream err;
    auto* vecchio = std::cerr.rdbuf(err.rdbuf());
    EXPECT_EQ(esegui_plan({sim}), 64);
    EXPECT_EQ(esegui_plan({sim, "-o"}), 64);
    EXPECT_EQ(esegui_plan({c.file("x.dat"), "-o", svg}), 64);
    EXPECT_EQ(esegui_plan({sim, "-o", svg, "--bho"}), 64);
    EXPECT_EQ(esegui_plan({c.file("manca_1.sim"), "-o", svg}), 1);
    const std::string messaggi = err.str();
    EXPECT_EQ(esegui_plan({sim, "-o", svg}), 0);
    std::cerr.rdbuf(vecchio);
    EXPECT_EQ(conta(messaggi, "Try 'compila_scenario --help' for more information."), 4u);
    EXPECT_NE(messaggi.find("compila_scenario: errore: impossibile aprire"), std::string::npos);
    EXPECT_TRUE(std::filesystem::exists(svg));
}

}  // namespace
