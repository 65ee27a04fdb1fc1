// Header stamps, check codes and the three compiled files.
#include <memory>
#include <vector>

#include "model/form1.h"
#include "output/file_atomico.h"
#include "output/formato_binario.h"

namespace {

constexpr std::int16_t marcatore_tabella = 610;
constexpr std::int16_t marcatore_celle = 5121;

}  // namespace

std::string Form1::percorso_uscita(const std::string& nome) const {
    return cartella_uscita + "/" + nome;
}

void Form1::scrivi_file_compilati() {
    riga_sim& r85 = riga(85);
    cella& intestazione = cella_in(1);
    if (r85.dato_7 != 0 || intestazione.valore_1 != 0) errore("1250");
    r85.dato_7 = marcatore_tabella;
    intestazione.valore_1 = marcatore_celle;
    if (r85.orario != 0 || intestazione.valore_2 != 0) errore("1251");
    r85.orario = codice_gara_st();
    intestazione.valore_2 = codice_gara_og();

    // All files are written out first and renamed together, so that a failure leaves
    // the files of an earlier run as they were.
    const std::string base = nome_linea_uscita + "_" + numero_treno_uscita;
    std::vector<std::unique_ptr<file_atomico>> file;
    std::vector<std::string> nomi;
    auto nuovo = [&](const std::string& nome) -> file_atomico& {
        nomi.push_back(nome);
        file.push_back(std::make_unique<file_atomico>(percorso_uscita(nome)));
        return *file.back();
    };
    if (flag_j != 0) {
        file_atomico& f = nuovo(nome_linea_uscita + "_linea.dat");
        scrivi_profilo(f, profilo_linea);
        f.completa();
    }
    file_atomico& sim = nuovo(base + ".sim");
    sim.scrivi(codifica_tabella(tabella_sim));
    sim.completa();
    file_atomico& dat = nuovo(base + ".dat");
    scrivi_celle(dat, celle);
    dat.completa();
    for (std::size_t i = 0; i < file.size(); ++i) {
        file[i]->conferma();
        file_scritti.push_back(nomi[i]);
    }
}
