// Header stamps, check codes and the three compiled files.
#include <string>
#include <vector>

#include "compilazione/ambiente.h"
#include "model/form1.h"
#include "output/destinazione.h"
#include "output/formato_binario.h"

namespace {

constexpr std::int16_t marcatore_tabella = 610;
constexpr std::int16_t marcatore_celle = 5121;

}  // namespace

void Form1::scrivi_file_compilati() {
    riga_sim& r85 = riga(85);
    cella& intestazione = cella_in(1);
    if (r85.dato_7 != 0 || intestazione.valore_1 != 0) errore("1250");
    r85.dato_7 = marcatore_tabella;
    intestazione.valore_1 = marcatore_celle;
    if (r85.orario != 0 || intestazione.valore_2 != 0) errore("1251");
    r85.orario = codice_gara_st();
    intestazione.valore_2 = codice_gara_og();

    // Every file is written whole first and confirmed with the others, so that a failure
    // leaves the files of an earlier run as they were.
    const opzioni_compilazione& o = ambiente->opzioni;
    const std::string& linea = o.nome_linea_file.empty() ? nome_linea : o.nome_linea_file;
    const std::string& treno = o.numero_treno_file.empty() ? numero_treno : o.numero_treno_file;
    std::vector<std::string> nomi;
    destinazione& uscita = ambiente->uscita;
    auto scrivi = [&](const std::string& nome, auto&& contenuto) {
        if (!uscita.vuole(nome)) return;
        nomi.push_back(nome);
        contenuto(uscita.apri(nome));
    };
    if (flag_j != 0) {
        scrivi(linea + "_linea.dat", [&](flusso_uscita& f) { scrivi_profilo(f, profilo_linea); });
    }
    scrivi(linea + "_" + treno + ".sim",
           [&](flusso_uscita& f) { f.scrivi(codifica_tabella(tabella_sim)); });
    scrivi(linea + "_" + treno + ".dat", [&](flusso_uscita& f) { scrivi_celle(f, celle); });
    uscita.conferma();
    ambiente->file_prodotti = std::move(nomi);
}
