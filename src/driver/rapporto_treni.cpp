#include "driver/rapporto_treni.h"

#include <set>

namespace {

int gravita(esito_esecuzione e) {
    switch (e) {
        case esito_esecuzione::ok:
            return 0;
        case esito_esecuzione::finding:
            return 1;
        case esito_esecuzione::errore:
            return 2;
        case esito_esecuzione::fault:
            return 3;
    }
    return 3;
}

std::string plurale(std::size_t n, const char* uno, const char* molti) {
    return std::to_string(n) + " " + (n == 1 ? uno : molti);
}

std::string elenco(const std::vector<std::string>& nomi) {
    std::string testo;
    for (const std::string& n : nomi) testo += (testo.empty() ? "" : ", ") + n;
    return testo;
}

}  // namespace

esito_esecuzione esito_peggiore(const std::vector<treno_compilato>& treni) {
    esito_esecuzione peggiore = esito_esecuzione::ok;
    for (const treno_compilato& t : treni) {
        if (gravita(t.rapporto.esito) > gravita(peggiore)) peggiore = t.rapporto.esito;
    }
    return peggiore;
}

std::string diagnostica_treni(const std::vector<treno_compilato>& treni) {
    std::string testo;
    for (const treno_compilato& t : treni) {
        if (t.rapporto.diagnostica.empty()) continue;
        testo += "compila_scenario: treno " + t.treno->numero + " (" + t.treno->file + "):\n";
        testo += t.rapporto.diagnostica;
    }
    return testo;
}

std::string riepilogo_treni(const std::vector<treno_compilato>& treni,
                            const std::string& cartella) {
    std::set<const linea_con_treni*> linee;
    std::size_t scritti = 0;
    std::size_t con_errori = 0;
    std::size_t non_compilati = 0;
    for (const treno_compilato& t : treni) {
        linee.insert(t.linea);
        scritti += t.esito.file_prodotti.size();
        if (t.rapporto.esito == esito_esecuzione::finding) ++con_errori;
        if (gravita(t.rapporto.esito) > gravita(esito_esecuzione::finding)) ++non_compilati;
    }
    std::string riga =
        "compila_scenario: " + plurale(treni.size(), "treno", "treni") + " su " +
        plurale(linee.size(), "linea", "linee") + ", " +
        (scritti == 0 ? std::string("nessun file scritto")
                      : plurale(scritti, "file scritto", "file scritti") + " in " + cartella);
    if (con_errori > 0) riga += "; " + std::to_string(con_errori) + " con errori di validazione";
    if (non_compilati > 0) {
        riga += "; " + plurale(non_compilati, "non compilato", "non compilati");
    }
    return riga + "\n";
}

std::string riepilogo_scritti(const std::vector<std::string>& scritti,
                              const std::string& cartella) {
    if (scritti.empty()) return "compila_scenario: nessun file scritto\n";
    return "compila_scenario: scritti in " + cartella + ": " + elenco(scritti) + "\n";
}
