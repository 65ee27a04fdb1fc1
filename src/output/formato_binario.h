#pragma once

#include <array>
#include <string>
#include <vector>

#include "model/cella.h"
#include "model/profilo.h"
#include "model/riga_sim.h"

class file_atomico;

inline constexpr std::size_t byte_cella = 15;
inline constexpr std::size_t byte_riga_vuota = 34;

// The simulator's layouts: cells (".dat"), station table (".sim"), profile ("_linea.dat").
void codifica_cella(std::string& uscita, const cella& c);
void codifica_riga(std::string& uscita, const riga_sim& r);
std::string codifica_celle(const std::vector<cella>& celle);
std::string codifica_tabella(const std::array<riga_sim, righe_tabella_sim>& tabella);
// The profile is large: it is encoded and written in slices.
void scrivi_profilo(file_atomico& file, const profilo& p);
