#include "output/conferma_insieme.h"

#include <algorithm>

#include "model/guasto.h"
#include "output/nomi_temporanei.h"
#include "platform/interruzioni.h"
#include "platform/percorsi.h"

namespace {

using tipo = operazioni_file::tipo;

struct in_cartella {
    operazioni_file& op;
    const std::string& cartella;

    std::string percorso(std::string_view nome) const { return unisci_percorso(cartella, nome); }
    bool c_e(std::string_view nome) const { return op.tipo_di(percorso(nome)) != tipo::assente; }
    void rinomina(const std::string& da, const std::string& a) const {
        op.rinomina(percorso(da), percorso(a));
    }
    void cancella(std::string_view nome) const { op.cancella(percorso(nome)); }
    void cancella_se_puoi(std::string_view nome) const {
        try {
            cancella(nome);
        } catch (const std::exception&) {
            // Left for the next run's sweep.
        }
    }
};

// A temporary name that no file of the folder, nor one of `presi`, has.
std::string nome_libero(const in_cartella& c, const std::vector<voce_insieme>& presi) {
    for (;;) {
        std::string nome = nome_temporaneo();
        const bool preso = std::any_of(presi.begin(), presi.end(), [&](const voce_insieme& v) {
            return v.temporaneo == nome || v.riserva == nome;
        });
        if (!preso && !c.c_e(nome)) return nome;
    }
}

void scrivi_registro(const in_cartella& c, const std::vector<voce_insieme>& voci) {
    const std::string testo = componi_registro(voci);
    for (;;) {
        const std::string nome = nome_temporaneo();
        const da_cancellare_se_interrotto registrazione(c.percorso(nome));
        auto file = c.op.crea_nuovo(c.percorso(nome), c.percorso(nome_registro));
        if (!file) continue;
        try {
            file->scrivi(testo.data(), testo.size());
            file->chiudi();
            c.rinomina(nome, std::string(nome_registro));
        } catch (const std::exception&) {
            file.reset();
            c.cancella_se_puoi(nome);
            throw;
        }
        return;
    }
}

void metti_voce(const in_cartella& c, const voce_insieme& v) {
    if (!v.riserva.empty() && !c.op.collega(c.percorso(v.finale), c.percorso(v.riserva))) {
        c.rinomina(v.finale, v.riserva);
    }
    c.rinomina(v.temporaneo, v.finale);
}

// Every step is decided by what is on disk, so that undoing twice, or after a kill in the
// middle of an undo, ends the same way. A new file still under its temporary name was not
// put in place; an old file kept aside goes back over its name.
void annulla(const in_cartella& c, const std::vector<voce_insieme>& voci) {
    for (auto v = voci.rbegin(); v != voci.rend(); ++v) {
        const bool messo = !c.c_e(v->temporaneo);
        if (v->riserva.empty()) {
            if (messo) c.cancella(v->finale);
        } else if (c.c_e(v->riserva) && (messo || !c.c_e(v->finale))) {
            c.rinomina(v->riserva, v->finale);
        }
    }
    c.cancella(nome_registro);
    for (const voce_insieme& v : voci) {
        c.cancella_se_puoi(v.temporaneo);
        if (!v.riserva.empty()) c.cancella_se_puoi(v.riserva);
    }
}

// All the new files are in: only what was kept aside, and the record, remain.
void concludi(const in_cartella& c, const std::vector<voce_insieme>& voci) {
    for (const voce_insieme& v : voci) {
        if (!v.riserva.empty()) c.cancella_se_puoi(v.riserva);
    }
    c.cancella_se_puoi(nome_registro);
}

// When even the undo fails, the record stays: the next run finishes it.
void annulla_dopo(const in_cartella& c, const std::vector<voce_insieme>& voci,
                  const std::string& causa) {
    try {
        annulla(c, voci);
    } catch (const std::exception& e) {
        throw guasto(causa + "; " + e.what() +
                     " (i file precedenti torneranno al loro posto alla prossima compilazione "
                     "in " +
                     c.cartella + ")");
    }
}

}  // namespace

void metti_in_opera(operazioni_file& op, const std::string& cartella,
                    std::vector<voce_insieme> voci) {
    const in_cartella c{op, cartella};
    const interruzioni_rinviate rinvio;
    try {
        for (voce_insieme& v : voci) {
            if (op.tipo_di(c.percorso(v.finale)) == tipo::file) v.riserva = nome_libero(c, voci);
        }
        scrivi_registro(c, voci);
    } catch (const std::exception&) {
        for (const voce_insieme& v : voci) c.cancella_se_puoi(v.temporaneo);
        throw;
    }
    try {
        for (const voce_insieme& v : voci) {
            if (const int segnale = interruzione_pendente()) {
                annulla(c, voci);
                termina_per_interruzione(segnale);
            }
            metti_voce(c, v);
        }
    } catch (const std::exception& e) {
        annulla_dopo(c, voci, e.what());
        throw;
    }
    concludi(c, voci);
}

void ripristina_cartella(operazioni_file& op, const std::string& cartella) {
    const in_cartella c{op, cartella};
    if (c.c_e(nome_registro)) {
        const std::string registro = c.percorso(nome_registro);
        const auto voci = analizza_registro(op.leggi(registro));
        if (!voci) {
            throw guasto(registro +
                         " non è un registro di compila_scenario: se non è tuo, "
                         "cancellalo e compila di nuovo");
        }
        const bool tutti_messi = std::none_of(voci->begin(), voci->end(),
                                              [&](const auto& v) { return c.c_e(v.temporaneo); });
        if (tutti_messi) {
            concludi(c, *voci);
        } else {
            annulla(c, *voci);
        }
    }
    for (const std::string& nome : op.elenca(cartella)) {
        if (e_nome_temporaneo(nome)) c.cancella_se_puoi(nome);
    }
}
