// The one description of both scenario files agrees with what the readers do, and the
// guide holds the tables generated from it.
#include <gtest/gtest.h>

#include <cctype>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "aiuto_test.h"
#include "model/form1.h"
#include "source_text/descrizione_campi.h"
#include "source_text/guida_campi.h"
#include "source_text/lettore_campi.h"
#include "source_text/scenario_incorporato.h"

namespace {

// ---- The guide ----

const std::string percorso_guida = std::string(COMPILA_SORGENTI) + "/docs/scenario-format.md";

struct blocco_generato {
    sorgente file;
    std::string inizio;
};
const blocco_generato blocchi[] = {
    {sorgente::file_linea, "<!-- generated: line file keywords -->\n"},
    {sorgente::file_treno, "<!-- generated: train run file keywords -->\n"},
};
const std::string fine_blocco = "<!-- end of generated text -->\n";

// The guide's text between a block's markers; npos positions when the markers are missing.
std::pair<std::size_t, std::size_t> estremi(const std::string& guida, const blocco_generato& b) {
    const std::size_t inizio = guida.find(b.inizio);
    if (inizio == std::string::npos) return {std::string::npos, std::string::npos};
    const std::size_t testo = inizio + b.inizio.size();
    return {testo, guida.find(fine_blocco, testo)};
}

// With COMPILA_AGGIORNA_GUIDA=1 the test writes the generated tables into the guide.
TEST(DescrizioneCampi, GuideHoldsTheTablesGeneratedFromTheDescription) {
    std::string guida = aiuto::leggi(percorso_guida);
    const bool aggiorna = std::getenv("COMPILA_AGGIORNA_GUIDA") != nullptr;
    for (const blocco_generato& b : blocchi) {
        const auto [inizio, fine] = estremi(guida, b);
        ASSERT_NE(inizio, std::string::npos) << "marker missing: " << b.inizio;
        ASSERT_NE(fine, std::string::npos) << "end marker missing after " << b.inizio;
        const std::string atteso = "\n" + tabelle_guida(b.file) + "\n";
        if (aggiorna) {
            guida.replace(inizio, fine - inizio, atteso);
        } else {
            EXPECT_EQ(guida.substr(inizio, fine - inizio), atteso)
                << "the guide's tables differ from the description; regenerate them with "
                   "COMPILA_AGGIORNA_GUIDA=1";
        }
    }
    if (aggiorna) aiuto::scrivi(percorso_guida, guida);
}

// ---- Where each value of an example line stands ----

struct campo_esempio {
    std::size_t inizio;  // byte offset in the line
    std::size_t fine;
};

bool separa_numero(char c) {
    return c == ',' || c == ' ' || c == '\t';
}

// Reads the example as the readers would, by the description's widths. Fails the test when
// the example does not hold exactly the described values.
std::vector<campo_esempio> campi_di(const descrizione_parola_chiave& p) {
    const std::string riga(p.esempio);
    lettore_campi lettore(riga, p.file);
    lettore.leggi_testo();
    std::vector<campo_esempio> campi;
    for (const descrizione_valore& v : p.valori) {
        switch (v.larghezza) {
            case larghezza_valore::byte:
                lettore.leggi_byte();
                break;
            case larghezza_valore::intero16:
                lettore.leggi_intero16();
                break;
            case larghezza_valore::intero32:
                lettore.leggi_intero32();
                break;
            case larghezza_valore::testo:
                lettore.leggi_testo();
                break;
        }
        const std::size_t inizio = lettore.punto().inizio_campo;
        std::size_t fine = inizio;
        if (v.larghezza == larghezza_valore::testo) {
            fine = riga.find(',', inizio);
            if (fine == std::string::npos) fine = riga.size();
        } else {
            while (fine < riga.size() && !separa_numero(riga[fine])) ++fine;
        }
        campi.push_back({inizio, fine});
    }
    EXPECT_TRUE(lettore.fine_file()) << p.parola << ": the example has more values than described";
    return campi;
}

std::string sostituisci(std::string_view riga, campo_esempio c, std::string_view con) {
    std::string r(riga);
    r.replace(c.inizio, c.fine - c.inizio, con);
    return r;
}

// ---- One keyword line in an otherwise empty scenario of 12 km ----

constexpr std::int32_t sonda_sfondo = 4242;
constexpr std::int32_t sonda_vetture = 77;

bool generale(const descrizione_parola_chiave& p) {
    return p.sezione == "[generale]";
}

// Where the readers meet the line, and a probe line after it that shows whether they read
// beyond the line's own values.
struct scenario_riga {
    std::string linea;
    std::string treno;
    std::int32_t riga;  // the line's number in its file
};

scenario_riga scenario_con(sorgente file, bool sezione_generale, std::string_view riga) {
    const std::string r = std::string(riga) + "\r\n";
    scenario_riga s{"[generale]\r\nlunghezza percorso, 12000\r\n", "[generale]\r\n", 0};
    if (file == sorgente::file_treno) {
        s.treno += r + "numero vetture, " + std::to_string(sonda_vetture) + "\r\n";
        s.riga = 2;
        s.linea += "[curve]\r\n";
    } else if (sezione_generale) {
        s.linea += r + "sfondo due, " + std::to_string(sonda_sfondo) + "\r\n[curve]\r\n";
        s.riga = 3;
    } else {
        s.linea += "[curve]\r\n" + r + "cartello_indicatore, 11000, SONDA\r\n";
        s.riga = 4;
    }
    s.linea += "[fine]\r\n";
    s.treno += "[fine]\r\n";
    return s;
}

bool ha_nome(const Form1& f, std::string_view nome) {
    for (const riga_sim& r : f.tabella_sim) {
        if (r.nome == nome) return true;
    }
    return false;
}

bool sonda_letta(const Form1& f, sorgente file, const descrizione_parola_chiave& p) {
    if (file == sorgente::file_treno) return f.tabella_sim[84].posizione == sonda_vetture;
    if (generale(p)) return f.tabella_sim[85].posizione == sonda_sfondo;
    return ha_nome(f, "SONDA");
}

class LetturaRiga : public testing::Test {
  protected:
    void leggi(sorgente file, const descrizione_parola_chiave& p, std::string_view riga) {
        leggi(file, generale(p), riga);
    }
    void leggi(sorgente file, bool sezione_generale, std::string_view riga) {
        banco.reset();
        f = Form1{};
        banco.emplace(f);
        const scenario_riga s = scenario_con(file, sezione_generale, riga);
        riga_esempio = s.riga;
        banco->leggi(s.linea, s.treno);
    }
    // The fault that ended the reading, if any.
    const reperto* guasto() const {
        const auto& r = banco->reperti();
        return f.codice_errore == 25 && !r.empty() && r.back().numero == 25 ? &r.back() : nullptr;
    }
    // The reading failed on the field at this byte offset of the example line.
    bool guasto_al_campo(std::size_t inizio) const {
        const reperto* g = guasto();
        return g != nullptr && g->luogo.riga == riga_esempio &&
               g->luogo.colonna == static_cast<std::int32_t>(inizio + 1);
    }
    bool fuori_larghezza_al_campo(std::size_t inizio) const {
        return guasto_al_campo(inizio) &&
               guasto()->messaggio.find("(numero fuori campo") != std::string::npos;
    }

    Form1 f;
    std::optional<aiuto::banco_prova> banco;
    std::int32_t riga_esempio = 0;
};

std::vector<const descrizione_parola_chiave*> tutte_le_parole() {
    std::vector<const descrizione_parola_chiave*> tutte;
    for (const sorgente file : {sorgente::file_linea, sorgente::file_treno}) {
        for (const descrizione_parola_chiave& p : parole_chiave(file)) tutte.push_back(&p);
    }
    return tutte;
}

TEST(DescrizioneCampi, EveryKeywordIsDescribedWithItsValuesAndAnExample) {
    EXPECT_EQ(parole_chiave(sorgente::file_linea).size(), 24u);  // 9 + 12 curves + 3
    EXPECT_EQ(parole_chiave(sorgente::file_treno).size(), 10u);
    for (const descrizione_parola_chiave* p : tutte_le_parole()) {
        SCOPED_TRACE(std::string(p->parola));
        EXPECT_FALSE(p->descrizione.empty());
        EXPECT_FALSE(p->valori.empty());
        for (const descrizione_valore& v : p->valori) {
            EXPECT_FALSE(v.nome.empty());
            EXPECT_FALSE(v.effetto.empty()) << v.nome;
            EXPECT_FALSE(v.fuori_campo.empty()) << v.nome;
            EXPECT_LE(v.minimo, v.massimo) << v.nome;
        }
        campi_di(*p);
        // The example's keyword is the keyword the readers take it for.
        const std::string primo(p->esempio.substr(0, p->esempio.find(',')));
        EXPECT_EQ(parola_chiave_di(p->file, primo), p);
        EXPECT_EQ(parola_chiave_di(p->file, p->parola), p);
    }
}

// Every value of every keyword is read where and as the description says: a word in its
// place fails the reading at that field, a number one past its width fails it as too large,
// the largest number of its width does not, and the line after it is read as a line.
TEST_F(LetturaRiga, ReadersReadEachDescribedValueWithItsWidthAndNothingMore) {
    for (const descrizione_parola_chiave* p : tutte_le_parole()) {
        SCOPED_TRACE(std::string(p->parola));
        leggi(p->file, *p, p->esempio);
        EXPECT_EQ(f.codice_errore, 0) << (guasto() ? guasto()->messaggio : "");
        EXPECT_TRUE(sonda_letta(f, p->file, *p)) << "the reader took more values than described";

        const std::vector<campo_esempio> campi = campi_di(*p);
        for (std::size_t i = 0; i < campi.size(); ++i) {
            const descrizione_valore& v = p->valori[i];
            SCOPED_TRACE(std::string(v.nome));
            const campo_esempio c = campi[i];
            if (v.larghezza == larghezza_valore::testo) {
                leggi(p->file, *p, sostituisci(p->esempio, c, "TESTO LIBERO"));
                EXPECT_TRUE(ha_nome(f, "TESTO LIBERO")) << "the text is not stored as a name";
                continue;
            }
            leggi(p->file, *p, sostituisci(p->esempio, c, "x"));
            EXPECT_TRUE(guasto_al_campo(c.inizio)) << "not read as a number";
            const std::int64_t massimo = v.larghezza == larghezza_valore::byte       ? 255
                                         : v.larghezza == larghezza_valore::intero16 ? 32767
                                                                                     : 2147483647;
            leggi(p->file, *p, sostituisci(p->esempio, c, std::to_string(massimo + 1)));
            EXPECT_TRUE(fuori_larghezza_al_campo(c.inizio)) << "read wider than described";
            leggi(p->file, *p, sostituisci(p->esempio, c, std::to_string(massimo)));
            EXPECT_FALSE(fuori_larghezza_al_campo(c.inizio)) << "read narrower than described";
        }
    }
}

std::string maiuscole(std::string s) {
    for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return s;
}

// Spellings an author may write for a keyword: other cases, brackets, a hyphen, a plural, a
// letter missing.
std::vector<std::string> varianti(std::string_view parola) {
    const std::string p(parola);
    std::string iniziale = p;
    iniziale[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(iniziale[0])));
    std::string plurale = p;
    if (plurale.back() == 'e') plurale.back() = 'i';
    if (plurale.back() == 'a') plurale.back() = 'e';
    return {p, maiuscole(p), iniziale, "[" + p + "]", "-" + p, plurale, p.substr(0, p.size() - 1)};
}

bool curva_senza_grado(std::string_view campo) {
    return maiuscole(std::string(campo)).starts_with("CURVA") &&
           campo.find_first_of("123456") == std::string_view::npos;
}

// parola_chiave_di names an entry exactly when a reader acts on the field: a reader that acts
// reads the next field as its first value, so a word there fails the reading at once.
TEST_F(LetturaRiga, KeywordLookupNamesWhatTheReadersActOn) {
    for (const descrizione_parola_chiave* p : tutte_le_parole()) {
        for (const sorgente file : {sorgente::file_linea, sorgente::file_treno}) {
            for (const std::string& campo : varianti(p->parola)) {
                SCOPED_TRACE(campo + (file == sorgente::file_linea ? " in the line file"
                                                                   : " in the train run file"));
                const std::string riga = campo + ", x, 0";
                leggi(file, *p, riga);
                const bool agisce = guasto_al_campo(campo.size() + 2);
                const descrizione_parola_chiave* trovata = parola_chiave_di(file, campo);
                if (agisce && curva_senza_grado(campo)) {
                    // A curve keyword without a grade is read, then rejected: error 103.
                    EXPECT_EQ(trovata, nullptr);
                    continue;
                }
                EXPECT_EQ(trovata != nullptr, agisce);
                if (trovata != nullptr && file == p->file) {
                    EXPECT_EQ(trovata->parola.substr(0, 5), p->parola.substr(0, 5));
                }
            }
        }
    }
}

struct primo_campo {
    sorgente file;
    bool sezione_generale;
    std::string campo;
};

// The first field of every line after "[generale]", and whether it stands in the line file's
// general section.
void aggiungi_primi_campi(std::vector<primo_campo>& campi, sorgente file,
                          const std::vector<std::string>& righe) {
    bool dopo_generale = false;
    bool generale = file == sorgente::file_linea;
    for (const std::string& riga : righe) {
        std::string campo = riga.substr(0, riga.find(','));
        while (!campo.empty() && campo.back() == ' ') campo.pop_back();
        if (!dopo_generale) {
            dopo_generale = campo == "[generale]";
            continue;
        }
        if (campo.starts_with("[")) generale = false;
        campi.push_back({file, generale, campo});
    }
}

std::vector<std::string> righe_blocco(const std::string& guida, const std::string& nome) {
    const std::string apertura = "```text file=" + nome + "\n";
    const std::size_t inizio = guida.find(apertura) + apertura.size();
    const std::string blocco = guida.substr(inizio, guida.find("```", inizio) - inizio);
    std::vector<std::string> righe;
    for (std::size_t a = 0, b; (b = blocco.find('\n', a)) != std::string::npos; a = b + 1) {
        righe.push_back(blocco.substr(a, b - a));
    }
    return righe;
}

// Every keyword of the embedded scenario and of the guide's example pair has its entry: a
// reader acts on a line's first field exactly when the description names it.
TEST_F(LetturaRiga, EveryKeywordOfRealScenariosHasAnEntry) {
    const std::string guida = aiuto::leggi(percorso_guida);
    std::vector<primo_campo> campi;
    aggiungi_primi_campi(campi, sorgente::file_linea, righe_file_linea());
    aggiungi_primi_campi(campi, sorgente::file_treno, righe_file_treno());
    aggiungi_primi_campi(campi, sorgente::file_linea, righe_blocco(guida, "Esempio_linea.txt"));
    aggiungi_primi_campi(campi, sorgente::file_treno, righe_blocco(guida, "Esempio_1-.txt"));
    std::size_t parole = 0;
    for (const primo_campo& c : campi) {
        SCOPED_TRACE(c.campo);
        leggi(c.file, c.sezione_generale, c.campo + ", x, 0");
        const bool agisce = guasto_al_campo(c.campo.size() + 2);
        EXPECT_EQ(parola_chiave_di(c.file, c.campo) != nullptr, agisce);
        parole += agisce;
    }
    EXPECT_EQ(parole, 62u + 31u);  // the embedded pair, the guide's pair
}

TEST(DescrizioneCampi, KeywordLookupFollowsTheReadersTests) {
    struct caso {
        sorgente file;
        const char* campo;
        const char* parola;  // nullptr: no keyword
    };
    const caso casi[] = {
        {sorgente::file_linea, "Lunghezza Percorso", "lunghezza percorso"},
        {sorgente::file_linea, "Progressiva chilometrica tre", nullptr},
        {sorgente::file_linea, "progressiva chilometrica uno due", "progressiva chilometrica due"},
        {sorgente::file_linea, "ripetizione segnali 4 codici", "ripetizione segnali 9 codici"},
        {sorgente::file_linea, "curvas4", "curvas4"},
        {sorgente::file_linea, "CURVAD2", "curvad2"},
        {sorgente::file_linea, "curvaS6", "curvas6"},
        {sorgente::file_linea, "curva 3 destra", "curvas3"},  // "destra" holds an s
        {sorgente::file_linea, "curva", nullptr},
        {sorgente::file_linea, "cruvas4", nullptr},
        {sorgente::file_linea, "[pendenze]", nullptr},
        {sorgente::file_linea, "Indicatori_Vmax", "indicatori_vmax"},
        {sorgente::file_linea, "indicatore cartello", "cartello_indicatore"},
        {sorgente::file_linea, "stazione", nullptr},
        {sorgente::file_treno, "massa frenata", "percentuale massa frenata"},
        {sorgente::file_treno, "frenata", nullptr},
        {sorgente::file_treno, "velocit\xe0", "velocita"},
        {sorgente::file_treno, "VELOCITA'", "velocita"},
        {sorgente::file_treno, "[segnali]", nullptr},
        {sorgente::file_treno, "segnale", "segnale"},
        {sorgente::file_treno, "stazone", nullptr},
        {sorgente::file_treno, "-stazione", nullptr},
        {sorgente::file_treno, "segnale stazione", "segnale"},  // the first test the reader runs
        {sorgente::file_treno, "pendenza", nullptr},
    };
    for (const caso& c : casi) {
        SCOPED_TRACE(c.campo);
        const descrizione_parola_chiave* p = parola_chiave_di(c.file, c.campo);
        if (c.parola == nullptr) {
            EXPECT_EQ(p, nullptr);
        } else {
            ASSERT_NE(p, nullptr);
            EXPECT_EQ(p->parola, c.parola);
        }
    }
}

const descrizione_parola_chiave& parola(sorgente file, std::string_view nome) {
    for (const descrizione_parola_chiave& p : parole_chiave(file)) {
        if (p.parola == nome) return p;
    }
    throw std::runtime_error("no keyword " + std::string(nome));
}

TEST(DescrizioneCampi, StoredValueOfOneNumber) {
    struct caso {
        sorgente file;
        const char* parola;
        std::size_t indice;
        std::int64_t valore;
        const char* atteso;
    };
    const caso casi[] = {
        {sorgente::file_linea, "lunghezza percorso", 0, 32000, "cells 0 to 780, model to 39000 m"},
        {sorgente::file_linea, "lunghezza percorso", 0, 1000001, "error 1"},
        {sorgente::file_linea, "progressiva chilometrica uno", 0, 1025,
         "not a multiple of 50: error 2"},
        {sorgente::file_linea, "progressiva chilometrica uno", 2, 1, "end + 100 m"},
        {sorgente::file_linea, "sfondo uno", 0, 1, ""},
        {sorgente::file_linea, "ripetizione segnali 9 codici", 0, 7125,
         "not a multiple of 50: error 3"},
        {sorgente::file_linea, "ripetizione segnali 9 codici", 1, 0, "no repetition (0 codes)"},
        {sorgente::file_linea, "pendenza", 0, 1000, "from cell 20"},
        {sorgente::file_linea, "pendenza", 1, 5, "105 (+5 ‰)"},
        {sorgente::file_linea, "pendenza", 1, -6, "94 (-6 ‰)"},
        {sorgente::file_linea, "pendenza", 1, 156, "does not fit the byte: error 25"},
        {sorgente::file_linea, "curvas2", 0, 1800, "straight to metre 1800, curved from the next"},
        {sorgente::file_linea, "curvas4", 1, 800, "turns by 45.8°"},
        {sorgente::file_linea, "montagna", 0, 1000, "first cell 20"},
        {sorgente::file_linea, "montagna", 1, 2000, "last cell 39"},
        {sorgente::file_linea, "montagna", 2, 12, "kind 2 with scenery markers"},
        {sorgente::file_linea, "indicatori_vmax", 0, 800, "cell 17"},
        {sorgente::file_linea, "cartello_indicatore", 0, 1825, "cell 38"},
        {sorgente::file_linea, "cartello_indicatore", 0, 1875, "cell 38"},
        {sorgente::file_treno, "velocita", 0, 25, "from cell 0"},
        {sorgente::file_treno, "velocita", 0, 75, "from cell 2"},
        {sorgente::file_treno, "velocita", 1, 90, "18 (90 km/h)"},
        {sorgente::file_treno, "velocita", 1, 62, "12 (60 km/h)"},
        {sorgente::file_treno, "velocita", 1, 63, "13 (65 km/h)"},
        {sorgente::file_treno, "velocita", 1, 1277, "255 (1275 km/h)"},
        {sorgente::file_treno, "velocita", 1, 1278, "does not fit the byte: error 25"},
        {sorgente::file_treno, "aderenza", 1, 100, ""},
        {sorgente::file_treno, "aderenza", 1, 300, "44 (low 8 bits)"},
        {sorgente::file_treno, "abbattimento", 0, 75, "cell 2"},
        {sorgente::file_treno, "abbattimento", 1, 0, "tipo 13, no code"},
        {sorgente::file_treno, "abbattimento", 1, 65716, "tipo 12, code 180"},
        {sorgente::file_treno, "segnale", 0, 10150,
         "cell 204, approach marks in cells 202, 200, 198, 196"},
        {sorgente::file_treno, "segnale", 10, 50, "101"},
        {sorgente::file_treno, "rallentamento", 0, 1550,
         "start board in cell 32, warning board in cell 8"},
        {sorgente::file_treno, "rallentamento", 0, 1500, "start board in cell 31"},
        {sorgente::file_treno, "stazione", 0, 3725, "not a multiple of 50: error 8"},
        {sorgente::file_treno, "stazione", 2, 450, "not a multiple of 100: error 9"},
    };
    for (const caso& c : casi) {
        SCOPED_TRACE(std::string(c.parola) + " value " + std::to_string(c.indice));
        EXPECT_EQ(valore_memorizzato(parola(c.file, c.parola), c.indice, c.valore), c.atteso);
    }
}

TEST(DescrizioneCampi, StoredValueOfAWholeLine) {
    struct caso {
        sorgente file;
        const char* parola;
        std::vector<std::int64_t> numeri;
        std::size_t indice;
        const char* atteso;
    };
    const std::vector<std::int64_t> tuscolana = {3750, 12, 400, 0, 1,  1, 1,  1,
                                                 0,    5,  1,   1, 60, 6, 20, 54};
    const std::vector<std::int64_t> fiumicino = {31300, 5, 500, 0, 0, 0,  1, 1,
                                                 0,     2, 1,   1, 1, 12, 0, 0};
    const caso casi[] = {
        {sorgente::file_treno, "stazione", tuscolana, 13, "orario 22854 s (06:20:54)"},
        {sorgente::file_treno, "stazione", tuscolana, 15, "orario 22854 s (06:20:54)"},
        {sorgente::file_treno, "stazione", tuscolana, 0,
         "stop zone 3550 to 4000 m, stop mark in cell 79, approach marks in cells 78 to 75"},
        {sorgente::file_treno, "stazione", tuscolana, 4, "0 (cleared: the length is below 600 m)"},
        {sorgente::file_treno, "stazione", fiumicino, 1,
         "stop zone 30800 to 31450 m, stop mark in cell 628"},
        {sorgente::file_treno,
         "stazione",
         {11450, 28, 300, 0, 0, 0, 0, 0, 0, 0, 0, 0, 60, 6, 20, 54},
         1,
         "stop zone 11300 to 11600 m, no cell marks"},
        {sorgente::file_treno, "orologio", {6, 21, 54}, 1, "06:21:54"},
        {sorgente::file_treno, "segnale", {10150, 2, 4, 0, 0, 0, 2, 2, 0, 0, 0}, 2, "valore_1 42"},
        {sorgente::file_treno,
         "segnale",
         {10150, 2, 4, 0, 0, 0, 2, 2, 0, 0, 0},
         6,
         "valore_4 8, approach marks 81 to 84"},
        {sorgente::file_treno,
         "segnale",
         {6550, 1, 2, 3, 0, 1, 0, 0, 0, 0, 50},
         10,
         "0 (kept only when sx is 2)"},
        {sorgente::file_treno,
         "rallentamento",
         {1550, 60, 600, 0, 1, 0},
         4,
         "tipo 5 numbered 1 to 4 in cells 7 down to 4"},
        {sorgente::file_treno,
         "rallentamento",
         {1550, 60, 600, 0, 1, 0},
         2,
         "end board in cell 44"},
        {sorgente::file_linea,
         "indicatori_vmax",
         {800, 90, 90, 100, 0, 90, 90, 100, 0},
         3,
         "valore_3 2020"},
        {sorgente::file_linea,
         "indicatori_vmax",
         {800, 90, 90, 100, 0, 90, 90, 100, 0},
         5,
         "valore_1 1818"},
        {sorgente::file_linea,
         "indicatori_vmax",
         {800, 1700, 90, 100, 0, 90, 90, 100, 0},
         1,
         "the pair does not fit 16 bits: error 25"},
    };
    for (const caso& c : casi) {
        SCOPED_TRACE(std::string(c.parola) + " value " + std::to_string(c.indice));
        EXPECT_EQ(valore_memorizzato(parola(c.file, c.parola), c.indice, c.numeri), c.atteso);
    }
}

}  // namespace
