#pragma once

#include <array>
#include <string>
#include <vector>

#include "model/tracciato.h"
#include "output/descrizione_record.h"

class flusso_uscita;

inline constexpr std::size_t byte_cella = byte_fissi(campi_cella);
inline constexpr std::size_t byte_riga_vuota = byte_fissi(campi_riga);
static_assert(byte_cella == 15 && byte_riga_vuota == 34);

// The simulator's layouts: cells (".dat"), station table (".sim"), profile ("_linea.dat").
void codifica_cella(std::string& uscita, const cella& c);
void codifica_riga(std::string& uscita, const riga_sim& r);
std::string codifica_tabella(const std::array<riga_sim, righe_tabella_sim>& tabella);
// The cells and the profile are large: they are encoded and written a block at a time, so
// that no copy of the whole file is ever held in memory.
void scrivi_celle(flusso_uscita& file, const std::vector<cella>& celle);
void scrivi_profilo(flusso_uscita& file, const tracciato& p);
