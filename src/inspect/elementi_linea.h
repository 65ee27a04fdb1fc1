#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "inspect/decodifica_file.h"

// What a drawing shows of a compiled scenario, with texts already in UTF-8.
struct stazione_linea {
    std::int32_t posizione = 0;
    std::int32_t inizio = 0;
    std::int32_t fine = 0;
    std::string nome;
    std::int32_t orario = 0;  // seconds from midnight
};

enum class genere_oggetto {
    segnale,
    cartello_indicatore,
    indicatore_vmax,
    avviso_rallentamento,
    inizio_rallentamento,
    fine_rallentamento,
    abbattimento,
};

struct oggetto_linea {
    genere_oggetto genere;
    std::int32_t metro = 0;
    std::string etichetta;  // shown beside the symbol; may be empty
    std::string dettaglio;  // the cell's values in real units, shown on hover
};

// A run of cells with the same value, from `da` to `a` metres.
struct tratto_valore {
    std::int32_t da = 0;
    std::int32_t a = 0;
    int valore = 0;
};

struct elementi_linea {
    std::string nome_linea;
    std::string numero_treno;
    std::int32_t lunghezza = 0;  // metres
    std::vector<stazione_linea> stazioni;
    std::vector<oggetto_linea> oggetti;
    std::vector<tratto_valore> velocita;  // line speed limit, km/h
    // The speed limit with the slowdowns, from each start board to its end board, km/h.
    std::vector<tratto_valore> velocita_in_vigore;
    std::vector<tratto_valore> pendenze;  // gradient, ‰
    std::int32_t ripetizione_inizio = 0;  // cab-signal repetition stretch; fine 0 = none
    std::int32_t ripetizione_fine = 0;
    std::int32_t codici_ripetizione = 0;
};

elementi_linea estrai_elementi(const tabella_sim_decodificata& tabella,
                               const std::vector<cella>& celle);
