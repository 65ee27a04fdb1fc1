#pragma once

#include <array>
#include <optional>
#include <string_view>
#include <vector>

#include "inspect/profilo.h"
#include "model/cella.h"
#include "model/riga_sim.h"

// The three compiled files, told apart by how their names end.
enum class genere_file { tabella, celle, profilo };

// "_linea.dat" also ends in ".dat", so it is tested first.
std::optional<genere_file> genere_da_nome(std::string_view percorso);

class lettore_le;

// One record each, read through the description the encoder writes with.
cella leggi_cella(lettore_le& l);
riga_sim leggi_riga(lettore_le& l);
struct elemento_letto {
    tipo_elemento tipo;
    double valore;
};
elemento_letto leggi_elemento(lettore_le& l);

using tabella_sim_decodificata = std::array<riga_sim, righe_tabella_sim>;

// Each throws formato_errato when the bytes do not fit the layout.
tabella_sim_decodificata decodifica_tabella(std::string_view dati);
std::vector<cella> decodifica_celle(std::string_view dati);
profilo decodifica_profilo(std::string_view dati);
