#include "driver/compila_treni.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <thread>

#include "platform/lettura_file.h"

namespace {

// A line file's text, read once for all its trains; a line that cannot be read is a fault of
// each of them.
struct testo_linea {
    std::string byte;
    std::string guasto;
};

testo_linea leggi_linea(const linea_con_treni& l) {
    try {
        return {leggi_file(l.file, massimo_sorgente), {}};
    } catch (const std::exception& e) {
        return {{}, e.what()};
    }
}

struct lavoro {
    std::size_t linea;
    std::size_t treno;
};

class compilatore_treni {
  public:
    compilatore_treni(const std::vector<linea_con_treni>& linee, const compilazione_treno& compila)
        : linee_(linee), compila_(compila) {
        for (std::size_t l = 0; l < linee.size(); ++l) {
            testi_.push_back(leggi_linea(linee[l]));
            for (std::size_t t = 0; t < linee[l].treni.size(); ++t) lavori_.push_back({l, t});
        }
        risultati_.resize(lavori_.size());
    }

    std::vector<treno_compilato> esegui() {
        esegui_lavori();
        for (std::size_t l = 0; l < linee_.size(); ++l) completa_profilo(l);
        return std::move(risultati_);
    }

  private:
    void esegui_lavori() {
        const std::size_t n = std::min<std::size_t>(
            std::max(1u, std::thread::hardware_concurrency()), lavori_.size());
        std::vector<std::thread> aiutanti;
        for (std::size_t i = 1; i < n; ++i) aiutanti.emplace_back([this] { prendi_lavori(); });
        prendi_lavori();
        for (std::thread& t : aiutanti) t.join();
    }

    // Each thread takes the next train not yet taken; the first train of each line, which
    // writes the profile and takes longest, comes first in its line.
    void prendi_lavori() {
        for (std::size_t i = prossimo_++; i < lavori_.size(); i = prossimo_++) {
            const lavoro& w = lavori_[i];
            compila_in(risultati_[i], w,
                       w.treno == 0 ? file_del_treno::tutti : file_del_treno::senza_profilo);
        }
    }

    void compila_in(treno_compilato& r, const lavoro& w, file_del_treno scelta) const {
        const linea_con_treni& l = linee_[w.linea];
        r.linea = &l;
        r.treno = &l.treni[w.treno];
        r.nomi = {l.file, r.treno->file};
        const testo_linea& testo = testi_[w.linea];
        if (!testo.guasto.empty()) {
            r.rapporto = rapporto_guasto(testo.guasto);
            return;
        }
        try {
            const sorgenti_compilazione s{
                {l.file, testo.byte, {}},
                {r.treno->file, leggi_file(r.treno->file, massimo_sorgente), {}}};
            r.esito = compila_(l, *r.treno, s, scelta);
            r.rapporto = rapporto_di(r.esito, r.nomi);
        } catch (const std::exception& e) {
            r.esito = {};
            r.rapporto = rapporto_guasto(e.what());
        }
    }

    // When the line's first train wrote nothing (a header conflict, a fault), the profile
    // comes from the first train that did write its files, compiled once more for it alone.
    void completa_profilo(std::size_t l) {
        const std::size_t primo = primo_lavoro(l);
        const std::size_t fine = primo + linee_[l].treni.size();
        if (primo == fine || scritto(risultati_[primo])) return;
        for (std::size_t i = primo + 1; i < fine; ++i) {
            if (!scritto(risultati_[i])) continue;
            treno_compilato solo_profilo;
            compila_in(solo_profilo, lavori_[i], file_del_treno::solo_profilo);
            std::vector<std::string>& prodotti = risultati_[i].esito.file_prodotti;
            const std::vector<std::string>& profilo = solo_profilo.esito.file_prodotti;
            prodotti.insert(prodotti.begin(), profilo.begin(), profilo.end());
            if (solo_profilo.rapporto.esito == esito_esecuzione::fault) {
                risultati_[i].rapporto.esito = esito_esecuzione::fault;
                risultati_[i].rapporto.diagnostica += solo_profilo.rapporto.diagnostica;
            }
            return;
        }
    }

    static bool scritto(const treno_compilato& r) {
        return r.esito.fine == fine_compilazione::completata &&
               r.rapporto.esito != esito_esecuzione::fault && !r.esito.file_prodotti.empty();
    }

    std::size_t primo_lavoro(std::size_t l) const {
        std::size_t i = 0;
        for (std::size_t k = 0; k < l; ++k) i += linee_[k].treni.size();
        return i;
    }

    const std::vector<linea_con_treni>& linee_;
    const compilazione_treno& compila_;
    std::vector<testo_linea> testi_;
    std::vector<lavoro> lavori_;
    std::vector<treno_compilato> risultati_;
    std::atomic<std::size_t> prossimo_{0};
};

}  // namespace

std::vector<treno_compilato> compila_treni(const std::vector<linea_con_treni>& linee,
                                           const compilazione_treno& compila) {
    return compilatore_treni(linee, compila).esegui();
}
