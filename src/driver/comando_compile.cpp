#include "driver/comando_compile.h"

#include <chrono>
#include <iostream>
#include <optional>
#include <string>

#include "compilazione/compila_testi.h"
#include "driver/bersagli_uscita.h"
#include "driver/comando_treni.h"
#include "driver/esecuzione.h"
#include "driver/nomi_scenario.h"
#include "driver/opzioni_avvisi.h"
#include "driver/rapporto_json.h"
#include "driver/rapporto_treni.h"
#include "driver/ritardo_prova.h"
#include "driver/scelta_treni.h"
#include "driver/uso.h"
#include "driver/vista_attesa.h"
#include "inspect/comandi_ispezione.h"
#include "output/destinazione_cartella.h"
#include "output/destinazione_filtrata.h"
#include "output/destinazione_scarto.h"
#include "platform/lettura_file.h"
#include "platform/percorsi.h"
#include "source_text/codifica_1252.h"

namespace {

struct opzioni_compile {
    std::string file_linea;
    std::string file_treno;
    std::vector<std::string> altri_treni;  // after the first: several trains on one line
    std::string cartella_uscita = ".";
    std::optional<std::string> nome_linea;
    std::optional<std::string> numero_treno;
    bool senza_profilo = false;
    bool silenzioso = false;
    bool finestra = false;
    std::chrono::milliseconds trattenuta{0};
    bool json = false;
    bool solo_verifica = false;
    bool verboso = false;
    std::optional<std::string> piano;
    opzioni_avvisi avvisi;

    opzioni_compilazione compilazione() const {
        opzioni_compilazione c;
        c.nome_linea = utf8_a_1252(*nome_linea);
        c.numero_treno = utf8_a_1252(*numero_treno);
        c.nome_linea_file = *nome_linea;
        c.numero_treno_file = *numero_treno;
        c.flag_j = senza_profilo ? 0 : 1;
        avvisi.applica(c);
        return c;
    }
};

// Parses the options after "compile"; returns a usage message when they are wrong.
std::optional<std::string> analizza(const std::vector<std::string_view>& a, opzioni_compile& o) {
    std::vector<std::string> posizionali;
    for (std::size_t i = 0; i < a.size(); ++i) {
        auto valore = [&](std::string& destinazione) -> bool {
            if (i + 1 >= a.size()) return false;
            destinazione = a[++i];
            return true;
        };
        std::string testo;
        std::optional<std::string> errore;
        if (leggi_opzione_avvisi(a, i, o.avvisi, errore)) {
            if (errore) return errore;
        } else if (a[i] == "-o") {
            if (!valore(o.cartella_uscita)) return "l'opzione '-o' vuole una cartella";
        } else if (a[i] == "--line-name") {
            if (!valore(testo)) return "l'opzione '--line-name' vuole un nome";
            o.nome_linea = testo;
        } else if (a[i] == "--train") {
            if (!valore(testo)) return "l'opzione '--train' vuole un numero";
            o.numero_treno = testo;
        } else if (a[i] == "--plan") {
            if (!valore(testo)) return "l'opzione '--plan' vuole un file SVG";
            o.piano = testo;
        } else if (a[i] == "--no-profile") {
            o.senza_profilo = true;
        } else if (a[i] == "--quiet") {
            o.silenzioso = true;
        } else if (a[i] == "--finestra") {
            o.finestra = true;
        } else if (a[i] == opzione_ritardo_prova) {
            const auto ritardo = i + 1 < a.size() ? leggi_ritardo(a[++i]) : std::nullopt;
            if (!ritardo) return uso_ritardo_prova;
            o.trattenuta = *ritardo;
        } else if (a[i] == "--json") {
            o.json = true;
        } else if (a[i] == "--check") {
            o.solo_verifica = true;
        } else if (a[i] == "-v" || a[i] == "--verbose") {
            o.verboso = true;
        } else if (a[i].starts_with("-") && a[i] != "-") {
            return "opzione sconosciuta '" + std::string(a[i]) + "'";
        } else {
            posizionali.emplace_back(a[i]);
        }
    }
    if (posizionali.empty()) return "compile vuole LINE_FILE e RUN_FILE, o una cartella";
    if (posizionali.size() == 1 && !e_cartella(posizionali[0])) {
        return "compile vuole LINE_FILE e RUN_FILE, o una cartella";
    }
    if (o.piano && o.solo_verifica) return "--plan e --check non vanno insieme: --check non scrive";
    if (o.cartella_uscita.empty()) return "l'opzione '-o' vuole una cartella, non un nome vuoto";
    if (o.piano && o.piano->empty())
        return "l'opzione '--plan' vuole un file SVG, non un nome vuoto";
    if (o.finestra && o.silenzioso) {
        return "--finestra e --quiet non vanno insieme: --quiet non mostra nulla";
    }
    o.file_linea = posizionali[0];
    if (posizionali.size() > 1) o.file_treno = posizionali[1];
    if (posizionali.size() > 2) o.altri_treni.assign(posizionali.begin() + 2, posizionali.end());
    return std::nullopt;
}

// Settles the line name and the train number from the options or the file names.
std::optional<std::string> risolvi_nomi(opzioni_compile& o) {
    if (!o.nome_linea) o.nome_linea = nome_linea_da_file(o.file_linea);
    if (!o.nome_linea) {
        return "manca --line-name: il nome di LINE_FILE non finisce in \"_linea.txt\"";
    }
    if (!o.numero_treno) o.numero_treno = numero_treno_da_file(o.file_treno, *o.nome_linea);
    if (!o.numero_treno) {
        return "manca --train: il nome di RUN_FILE non è \"" + *o.nome_linea + "_NUMERO-.txt\"";
    }
    if (const std::string d = difetto_del_nome(*o.nome_linea); !d.empty()) {
        return "nome di linea non valido: " + d;
    }
    if (const std::string d = difetto_del_nome(*o.numero_treno); !d.empty()) {
        return "numero di treno non valido: " + d;
    }
    return std::nullopt;
}

// Every file the run would write, by its path.
std::vector<std::string> uscite(const opzioni_compile& o) {
    if (o.solo_verifica) return {};
    const std::string base = unisci_percorso(o.cartella_uscita, *o.nome_linea);
    std::vector<std::string> percorsi;
    if (!o.senza_profilo) percorsi.push_back(base + "_linea.dat");
    percorsi.push_back(base + "_" + *o.numero_treno + ".sim");
    percorsi.push_back(base + "_" + *o.numero_treno + ".dat");
    if (o.piano) percorsi.push_back(*o.piano);
    return percorsi;
}

// Draws the compiled scenario; a drawing that fails makes the run a fault.
rapporto_esecuzione disegna_dopo(const opzioni_compile& o, const rapporto_esecuzione& r) {
    try {
        disegna_piano(
            unisci_percorso(o.cartella_uscita, *o.nome_linea + "_" + *o.numero_treno + ".sim"),
            *o.piano);
    } catch (const std::exception& e) {
        rapporto_esecuzione guasto = rapporto_guasto(e.what());
        guasto.diagnostica = r.diagnostica + guasto.diagnostica;
        return guasto;
    }
    return r;
}

// The author's two files, read once; they are never written or deleted. A source is text
// written by hand: anything near the limit is not one, and is refused before it is read.
sorgenti_compilazione leggi_sorgenti(const opzioni_compile& o) {
    return {{o.file_linea, leggi_file(o.file_linea, massimo_sorgente), {}},
            {o.file_treno, leggi_file(o.file_treno, massimo_sorgente), {}}};
}

esito_compilazione compila_in(const sorgenti_compilazione& sorgenti, const opzioni_compile& o,
                              file_del_treno scelta = file_del_treno::tutti,
                              vista_attesa* vista = nullptr) {
    opzioni_compilazione opzioni = o.compilazione();
    if (vista != nullptr) opzioni.casella_errore = vista->casella_errore();
    if (o.solo_verifica) {
        destinazione_scarto scarto;
        esito_compilazione e = compila_testi(sorgenti, opzioni, scarto);
        e.file_prodotti.clear();
        return e;
    }
    destinazione_cartella cartella(o.cartella_uscita);
    if (scelta == file_del_treno::tutti) return compila_testi(sorgenti, opzioni, cartella);
    const std::string profilo = *o.nome_linea + "_linea.dat";
    destinazione_filtrata parte(cartella, [&](const std::string& nome) {
        return (nome == profilo) == (scelta == file_del_treno::solo_profilo);
    });
    return compila_testi(sorgenti, opzioni, parte);
}

// One train. The plan is drawn while the output folder is still the run's: it reads the set
// just written, and no other run replaces it or sweeps its temporary meanwhile.
rapporto_esecuzione compila_e_disegna(const opzioni_compile& o, const nomi_sorgenti& nomi,
                                      esito_compilazione& e, vista_attesa* vista) {
    const sorgenti_compilazione sorgenti = leggi_sorgenti(o);
    if (!o.piano) {
        e = compila_in(sorgenti, o, file_del_treno::tutti, vista);
        return rapporto_di(e, nomi);
    }
    opzioni_compilazione opzioni = o.compilazione();
    if (vista != nullptr) opzioni.casella_errore = vista->casella_errore();
    destinazione_cartella cartella(o.cartella_uscita);
    e = compila_testi(sorgenti, opzioni, cartella);
    const rapporto_esecuzione r = rapporto_di(e, nomi);
    return e.file_prodotti.empty() ? r : disegna_dopo(o, r);
}

// Several trains, or a scenario folder: each train compiled as its own compile would be.
int compila_piu_treni(const opzioni_compile& o) {
    if (o.piano) return errore_uso("--plan vuole un solo treno");
    if (o.numero_treno) return errore_uso("--train vuole un solo file di marcia");
    richiesta_treni r{o.file_linea, o.nome_linea, {},          o.cartella_uscita,
                      o.json,       o.verboso,    o.silenzioso};
    if (!o.file_treno.empty()) r.file_treni.push_back(o.file_treno);
    r.file_treni.insert(r.file_treni.end(), o.altri_treni.begin(), o.altri_treni.end());
    // The window, when asked for, stays up for the whole run, and each train's " Errore n. "
    // is its box, as for one train.
    vista_attesa vista(modo_attesa_per(o.silenzioso, o.finestra), o.trattenuta);
    return esegui_piu_treni(r, [&o, &vista](const linea_con_treni& l, const treno_da_compilare& t,
                                            const sorgenti_compilazione& s, file_del_treno scelta) {
        opzioni_compile del_treno = o;
        del_treno.file_linea = l.file;
        del_treno.file_treno = t.file;
        del_treno.altri_treni.clear();
        del_treno.nome_linea = l.nome;
        del_treno.numero_treno = t.numero;
        return compila_in(s, del_treno, scelta, &vista);
    });
}

}  // namespace

int esegui_compile(const std::vector<std::string_view>& argomenti) {
    opzioni_compile o;
    if (auto errore = analizza(argomenti, o)) return errore_uso(*errore);
    if (o.file_treno.empty() || !o.altri_treni.empty()) return compila_piu_treni(o);
    if (auto errore = risolvi_nomi(o)) return errore_uso(*errore);
    if (auto errore = difetto_dei_bersagli({o.file_linea, o.file_treno}, uscite(o))) {
        return errore_uso(*errore);
    }
    const nomi_sorgenti nomi{o.file_linea, o.file_treno};
    esito_compilazione e;
    rapporto_esecuzione r;
    try {
        vista_attesa vista(modo_attesa_per(o.silenzioso, o.finestra), o.trattenuta);
        r = compila_e_disegna(o, nomi, e, &vista);
    } catch (const std::exception& guasto) {
        r = rapporto_guasto(guasto.what());
    }
    std::cerr << r.diagnostica;
    if (o.verboso) std::cerr << riepilogo_scritti(e.file_prodotti, o.cartella_uscita);
    if (!o.json) return codice_uscita(r.esito);
    return stampa_rapporto(rapporto_json(e, r, nomi, e.file_prodotti), codice_uscita(r.esito));
}
