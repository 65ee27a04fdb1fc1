#pragma once

#include "aiuto_test.h"

// A small scenario with one object of every kind the drawing shows, compiled into a fresh
// temporary folder. Shared by the inspection tests.
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "compilazione/ambiente.h"
#include "model/form1.h"
#include "output/destinazione_cartella.h"
#include "source_text/testo_scenario.h"

namespace prova {

inline const char* const linea = "Val_di_prova";
inline const char* const treno = "77";

inline std::vector<std::string> righe_linea() {
    return {
        "[generale]",
        "lunghezza percorso,    6000",
        "progressiva chilometrica uno,    0,    0,    0",
        "progressiva chilometrica due,    0,    0,    0",
        "progressiva chilometrica tre,    0,    0,    0",
        "sfondo uno,    1",
        "sfondo due,    0",
        "sfondo tre,    0",
        "ripetizione segnali 9 codici,    1000,    5000",
        "[curve]",
        "curvas2,  1800,  1100",
        "[pendenze]",
        "pendenza,  2000,  12",
        "pendenza,  4000,  -8",
        "[montagne]",
        "[cartelli]",
        "indicatori_vmax,  800,  90,  90,  100,  0,  90,  90,  100,  0",
        "[indicazioni]",
        "cartello_indicatore,  1200,   (BIVIO)(A&B <NORD>)",
        "cartello_indicatore,  4000,   (RACCORDO)(SUD)",
        "[fine]",
    };
}

// The second station's name holds the Windows-1252 byte for "À".
inline std::vector<std::string> righe_treno() {
    return {
        "[generale]",
        "numero vetture,    5",
        "percentuale massa frenata,    100",
        "sabbia,    0",
        "orologio,    6               21            54 ",
        "[aderenze]",
        "aderenza,   0,    100",
        "[vel_limite]",
        "velocita,   0,    60",
        "velocita,   3000,    90",
        "[stazioni]",
        "stazione,       0,  2,  700,  0, 0, 1,  1,1,0,  4,1,1,    1,   6,20,54, PRIMA",
        "stazione,    5000, 12,  400,  0, 0, 1,  1,1,0,  4,1,1,   60,   6,30, 0, CITT\xC0",
        "[rallentamenti]",
        "rallentamento,  2500,  30,  300,  0,  0,  0",
        "[segnali]",
        "segnale,    1900,   2, 3, 1,  0, 0,    0,  0,0,0, 0",
        "segnale,    4500,   2, 4, 0,  0, 0,    2,  2,0,0, 0",
        "abbattimento,  3500,  2",
        "[codici]",
        "[fine]",
    };
}

using aiuto::cartella_temporanea;

// Compiles the scenario into `c`; `con_profilo` chooses whether the profile is written.
// Returns the model as the compilation left it.
inline std::unique_ptr<Form1> compila(const cartella_temporanea& c, bool con_profilo = true) {
    const sorgenti_compilazione sorgenti{
        {"linea", componi_testo(tabella_con_marcatore(righe_linea())), {}},
        {"treno", componi_testo(tabella_con_marcatore(righe_treno())), {}}};
    opzioni_compilazione opzioni;
    opzioni.nome_linea = linea;
    opzioni.numero_treno = treno;
    opzioni.flag_j = con_profilo ? 1 : 0;
    destinazione_cartella uscita(c.percorso());
    ambiente_compilazione ambiente{sorgenti, opzioni, uscita, {}, {}, false, false};
    auto f = std::make_unique<Form1>();
    f->ambiente = &ambiente;
    f->nome_linea = linea;
    f->numero_treno = treno;
    std::int32_t j = opzioni.flag_j;
    f->memorizza_percorso(j);
    f->ambiente = nullptr;
    return f;
}

inline std::string file_sim(const cartella_temporanea& c) {
    return c.file(std::string(linea) + "_" + treno + ".sim");
}
inline std::string file_celle(const cartella_temporanea& c) {
    return c.file(std::string(linea) + "_" + treno + ".dat");
}
inline std::string file_profilo(const cartella_temporanea& c) {
    return c.file(std::string(linea) + "_linea.dat");
}

using aiuto::leggi;

}  // namespace prova
