#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "model/cella.h"
#include "model/riga_sim.h"
#include "model/tracciato.h"

struct ambiente_compilazione;
struct stato_lettura;

// The compiler: the whole model of one scenario and the routines that build and write it.
class Form1 {
  public:
    // What the run reaches beyond the model: its texts, its files, its findings.
    ambiente_compilazione* ambiente = nullptr;

    // Scenario identity.
    std::string nome_linea;
    std::string numero_treno;
    std::int32_t flag_j = 0;

    // The model.
    std::vector<cella> celle;
    std::array<riga_sim, righe_tabella_sim> tabella_sim{};
    std::array<std::int32_t, 81> montagne_inizio{};
    std::array<std::int32_t, 81> montagne_fine{};
    std::int32_t numero_montagne = 0;
    tracciato profilo_linea;
    std::int32_t lunghezza_estesa = 0;
    std::int32_t numero_celle = 0;
    std::string riga_letta;

    // Error state.
    std::int32_t codice_errore = 0;
    std::int32_t posizione_errore = 0;
    std::int32_t risposta_errore = 0;

    // Checked access: an index outside the model is a fault, never a stray write.
    cella& cella_in(std::int64_t indice);
    const cella& cella_in(std::int64_t indice) const;
    bool celle_create() const { return !celle.empty(); }
    riga_sim& riga(std::int64_t indice);

    // Run driver.
    [[noreturn]] void errore(const std::string& a);

    // Scenario source text.
    void memorizza_dati();

    // Track model: feature stores and kilometric ordering.
    void memo_montagna(std::int32_t& inizio, std::int32_t& fine, std::int32_t& tipo);
    void memo_rallentamento(std::int32_t x, std::int32_t& v, std::int32_t& l, std::int32_t& f_tt,
                            std::int32_t f_ta, std::int32_t& d_v);
    void memo_segnale(std::int32_t posizione, std::int32_t& sx, std::int32_t& s1, std::int32_t& s2,
                      std::int32_t& s3, std::int32_t& rapp, std::int32_t& dx, std::int32_t& d1,
                      std::int32_t& d2, std::int32_t& d3, std::int32_t& tempo);
    void memo_indicatori_v_max(std::int32_t posizione, std::int32_t& vas, std::int32_t& vbs,
                               std::int32_t& vcs, std::int32_t& strisces, std::int32_t& vad,
                               std::int32_t& vbd, std::int32_t& vcd, std::int32_t& strisced);
    void progressive_ordina();
    void crea_modello(std::int32_t lunghezza);

    // Cab-signal coding.
    void memorizza_percorso(std::int32_t& j);
    void assegna_codici();

    // Compiled output.
    std::int16_t codice_gara_og();
    std::int32_t codice_gara_st();
    void scrivi_file_compilati();

  private:
    bool leggi_file_linea(stato_lettura& stato);
    void leggi_file_treno(stato_lettura& stato);
    void regola_a(std::int64_t i);
    void regola_b(std::int64_t i);
};

// The smaller of two values; on equality the first.
std::int16_t minimo(std::int16_t x, std::int16_t y);
