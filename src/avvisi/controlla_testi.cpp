#include "avvisi/controlla_testi.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "avvisi/distanza_parole.h"
#include "avvisi/nomi_avvisi.h"
#include "avvisi/righe_testo.h"
#include "compilazione/ambiente.h"
#include "compilazione/messaggi_errore.h"
#include "compilazione/registra_reperto.h"
#include "model/codici_errore.h"
#include "model/numeri.h"
#include "source_text/codifica_1252.h"
#include "source_text/descrizione_campi.h"
#include "source_text/lettore_campi.h"
#include "source_text/segnalazioni.h"

namespace {

using std::int64_t;

// Where a reading stopped: lines after `riga` were not read; 0 when none was.
struct fermata {
    std::int32_t riga = 0;
    std::int32_t errore = 0;  // the error that stopped it; 0 for an earlier one still standing
    std::int32_t riga_errore = 0;
    sorgente file_errore = sorgente::nessuna;
};

// What a line would get from the readers, had they reached it.
struct errore_previsto {
    std::int32_t numero;
    std::int32_t colonna;
};

bool ferma_la_lettura(const reperto& r) {
    return r.livello == livello_reperto::errore && r.numero != 0 &&
           r.numero != errori::progressive_non_multiple &&
           r.numero != errori::abbattimento_segnale &&
           r.numero != errori::abbattimento_prima_rallentamento &&
           r.numero != errori::abbattimento_nel_rallentamento;
}

struct fermate_lettura {
    std::optional<fermata> linea;
    std::optional<fermata> treno;

    explicit fermate_lettura(const std::vector<reperto>& reperti) {
        for (const reperto& r : reperti) {
            if (r.livello == livello_reperto::nota && r.luogo.file == sorgente::file_treno &&
                r.messaggio.starts_with(nota_lettura_fermata) && !treno) {
                treno = fermata{r.luogo.riga, 0, r.luogo.riga, sorgente::file_treno};
            }
            if (!ferma_la_lettura(r)) continue;
            const fermata qui{r.luogo.riga, r.numero, r.luogo.riga, r.luogo.file};
            if (r.luogo.file == sorgente::file_linea) {
                if (!linea) linea = qui;
                if (r.numero != errori::fuori_linea && !treno)
                    treno = fermata{0, r.numero, r.luogo.riga, sorgente::file_linea};
            } else if (r.luogo.file == sorgente::file_treno && !treno) {
                treno = qui;
            }
        }
    }
};

bool vuoto(std::string_view testo) {
    return testo.find_first_not_of(" \t\r\n") == std::string_view::npos;
}

bool numerico(std::string_view campo) {
    if (!campo.empty() && (campo[0] == '+' || campo[0] == '-')) campo.remove_prefix(1);
    return !campo.empty() && campo[0] >= '0' && campo[0] <= '9';
}

std::string nome_file(sorgente file) {
    return file == sorgente::file_linea ? "file di linea" : "file di marcia";
}
sorgente altro_file(sorgente file) {
    return file == sorgente::file_linea ? sorgente::file_treno : sorgente::file_linea;
}

// A field of the source (Windows-1252) quoted in a message (UTF-8).
std::string tra_virgolette(std::string_view t) {
    return "«" + testo_1252_a_utf8(t) + "»";
}

bool generale(const descrizione_parola_chiave& p) {
    return p.file == sorgente::file_linea && p.sezione == "[generale]";
}

// A field with "[" and "]", the headers that group the lines.
bool intestazione(std::string_view campo) {
    return contiene(campo, "[") && contiene(campo, "]");
}

// A decimal comma: a digit, a comma, a digit, with no blank between them.
bool virgola_decimale(std::string_view riga) {
    for (std::size_t i = 1; i + 1 < riga.size(); ++i) {
        const auto cifra = [](char c) { return c >= '0' && c <= '9'; };
        if (riga[i] == ',' && cifra(riga[i - 1]) && cifra(riga[i + 1])) return true;
    }
    return false;
}

// Values that several lines carry along the cells: the cursor, as the readers move it.
struct riempimento {
    int64_t cursore = 0;
    std::optional<int64_t> posizione_precedente;
    std::int32_t riga_precedente = 0;
};

class controllo {
  public:
    explicit controllo(ambiente_compilazione& a) : a_(a), fermate_(a.reperti) {}

    void esegui() {
        controlla_file(sorgente::file_linea);
        controlla_file(sorgente::file_treno);
    }

  private:
    // ---- Recording ----

    luogo_sorgente luogo(const riga_testo& r, std::int32_t colonna) const {
        return luogo_sorgente{file_, r.numero, colonna, std::string(r.testo())};
    }
    void avviso(std::string_view nome, const riga_testo& r, std::int32_t colonna,
                std::string messaggio, livello_reperto livello = livello_reperto::avviso) {
        registra_avviso(a_, livello, nome, luogo(r, colonna), std::move(messaggio));
    }

    const std::optional<fermata>& fermata_del_file() const {
        return file_ == sorgente::file_linea ? fermate_.linea : fermate_.treno;
    }
    bool raggiunta(const riga_testo& r) const {
        const std::optional<fermata>& f = fermata_del_file();
        return !f || r.numero <= f->riga;
    }
    bool ferma_qui(const riga_testo& r) const {
        const std::optional<fermata>& f = fermata_del_file();
        return f && r.numero == f->riga && f->errore != errori::dato_illeggibile;
    }

    // ---- The files ----

    void controlla_file(sorgente file) {
        file_ = file;
        parole_note_.clear();
        const testo_sorgente& t = a_.testo(file);
        if (!t.byte) return;
        if (vuoto(*t.byte)) {
            registra_avviso(a_, livello_reperto::avviso, avvisi::file_vuoto, luogo_del_file(file),
                            "il " + nome_file(file) + " è vuoto: " +
                                (file == sorgente::file_linea
                                     ? "la linea non ha dati"
                                     : "il treno non ha dati, e lo scenario compilato resta "
                                       "senza stazioni, segnali né velocità"));
            return;
        }
        righe_ = righe_di(*t.byte);
        std::size_t i = 0;
        while (i < righe_.size() &&
               !contiene_maiuscole_minuscole(primo_campo(righe_[i]).testo, "[generale]")) {
            ++i;
        }
        if (i == righe_.size()) {
            // The line file's reader reports it (error 102); the train run file's does not.
            if (file == sorgente::file_treno) {
                registra_avviso(a_, livello_reperto::avviso, avvisi::generale_mancante,
                                luogo_del_file(file),
                                "manca la riga «[generale]»: nulla del file di marcia viene "
                                "letto e il treno resta vuoto; aggiungila in testa al file");
            }
            return;
        }
        in_generale_ = file == sorgente::file_linea;
        for (++i; i < righe_.size(); ++i) controlla_riga(i);
    }

    void controlla_riga(std::size_t i) {
        const riga_testo& r = righe_[i];
        const campo_letto parola = primo_campo(r);
        if (parola.testo.empty() || contiene(parola.testo, "-")) return;
        if (intestazione(parola.testo)) {
            in_generale_ = false;
            return;
        }
        if (numerico(parola.testo)) return;
        const descrizione_parola_chiave* p = parola_di(parola.testo);
        if (p == nullptr) {
            sconosciuta(r, parola);
            return;
        }
        if (file_ == sorgente::file_linea && generale(*p) != in_generale_) {
            avviso(avvisi::sezione_sbagliata, r, parola.colonna,
                   in_generale_ ? tra_virgolette(p->parola) +
                                      " si legge solo dopo la sezione generale, che finisce "
                                      "alla prima intestazione come «[curve]»: qui è ignorata"
                                : tra_virgolette(p->parola) +
                                      " si legge solo nella sezione generale, prima della "
                                      "prima intestazione: qui è ignorata");
            return;
        }
        if (p->parola.starts_with("curva") && a_.opzioni.flag_j == 0) return;
        valori_di(r, p->valori, valori_);
        const valori_riga& v = valori_;
        // The line the reading stopped at, on an error of its own: the values after it were
        // never read. A fault (25) on a short line is what the count explains.
        if (!ferma_qui(r)) conta_valori(i, *p, v);
        const bool completa = v.valori.size() == p->valori.size();
        std::optional<errore_previsto> e = illeggibile(*p, v);
        if (!e && completa) e = controlla_valori(r, *p, v, parola);
        if (e && !raggiunta(r)) non_raggiunto(r, *e);
    }

    // ---- Keywords ----

    void sconosciuta(const riga_testo& r, const campo_letto& parola) {
        if (file_ == sorgente::file_linea && contiene_maiuscole_minuscole(parola.testo, "curva")) {
            // A curve keyword without its grade: the reader's own error 103.
            if (a_.opzioni.flag_j != 0 && !raggiunta(r)) {
                non_raggiunto(r, {errori::curva_errata, parola.colonna});
            }
            return;
        }
        const std::string campo = tra_virgolette(parola.testo);
        if (const descrizione_parola_chiave* altra =
                parola_chiave_di(altro_file(file_), parola.testo)) {
            avviso(avvisi::parola_sconosciuta, r, parola.colonna,
                   campo + " è una parola chiave del " + nome_file(altro_file(file_)) +
                       ", non del " + nome_file(file_) + ": qui la riga è ignorata; spostala in " +
                       "quel file" +
                       (altra->parola != parola.testo ? " (" + tra_virgolette(altra->parola) + ")"
                                                      : std::string()));
            return;
        }
        std::string messaggio =
            campo + " non è una parola chiave del " + nome_file(file_) + ": la riga è ignorata";
        if (const descrizione_parola_chiave* vicina = piu_vicina(parola.testo)) {
            if (distanza_parole(vicina->parola, parola.testo, 0) == 0) {
                messaggio +=
                    "; le parole chiave della sezione generale si scrivono in "
                    "minuscolo: " +
                    tra_virgolette(vicina->parola);
            } else {
                messaggio += "; forse " + tra_virgolette(vicina->parola) + "?";
                if (vicina->file != file_) {
                    messaggio += " (è una parola chiave del " + nome_file(vicina->file) + ")";
                }
            }
        }
        avviso(avvisi::parola_sconosciuta, r, parola.colonna, std::move(messaggio));
    }

    // The keyword nearest to a field, within two edits; this file's first on a tie.
    const descrizione_parola_chiave* piu_vicina(std::string_view campo) const {
        const descrizione_parola_chiave* migliore = nullptr;
        std::size_t distanza = 3;
        for (const sorgente file : {file_, altro_file(file_)}) {
            for (const descrizione_parola_chiave& p : parole_chiave(file)) {
                const std::size_t d = distanza_parole(p.parola, campo, 2);
                if (d < distanza) {
                    distanza = d;
                    migliore = &p;
                }
            }
        }
        return migliore;
    }

    // ---- Values ----

    void conta_valori(std::size_t i, const descrizione_parola_chiave& p, const valori_riga& v) {
        const riga_testo& r = righe_[i];
        const std::size_t voluti = p.valori.size();
        const std::size_t trovati = v.valori.size();
        auto intro = [&] {
            return tra_virgolette(p.parola) + " vuole " + std::to_string(voluti) +
                   (voluti == 1 ? " valore" : " valori") + ", questa riga ne ha ";
        };
        if (const campo_letto* testo = testo_al_posto_di_un_numero(p, v)) {
            // A number too few before a text value: the text lands where a number is read.
            avviso(avvisi::numero_valori, r, testo->colonna,
                   tra_virgolette(testo->testo) + " sta dove " + tra_virgolette(p.parola) +
                       " legge un numero: alla riga manca un numero prima di esso (vuole " +
                       std::to_string(voluti) +
                       " valori in tutto), e la lettura si ferma qui "
                       "con l'errore 25");
            return;
        }
        if (trovati < voluti) {
            const std::int32_t colonna = static_cast<std::int32_t>(r.testo().size()) + 1;
            std::string messaggio = intro() + std::to_string(trovati) + ": ";
            if (i + 1 < righe_.size()) {
                messaggio += (voluti - trovati == 1 ? "il valore mancante viene preso"
                                                    : "i valori mancanti vengono presi") +
                             std::string(" dalla riga ") + std::to_string(righe_[i + 1].numero);
            } else {
                messaggio += "il file finisce prima (errore 25)";
            }
            avviso(avvisi::numero_valori, r, colonna, messaggio);
            if (p.parola == "stazione" && trovati + 1 == voluti) {
                avviso(avvisi::nome_stazione, r, colonna,
                       "manca il nome della stazione: viene preso dalla riga seguente");
            }
        } else if (!v.in_piu.empty()) {
            std::string messaggio =
                intro() + std::to_string(trovati + v.in_piu.size()) + ": " +
                tra_virgolette(v.in_piu.front().testo) +
                (v.in_piu.size() == 1 ? " è letto" : " e i seguenti sono letti") +
                " come parola chiave e ignorato";
            if (virgola_decimale(r.testo())) {
                messaggio +=
                    "; i valori sono numeri interi: una virgola decimale divide il "
                    "numero in due valori";
            }
            avviso(avvisi::numero_valori, r, v.in_piu.front().colonna, messaggio);
        }
        if (p.parola == "stazione" && trovati == voluti) {
            const campo_letto& nome = v.valori.back();
            if (nome.testo.empty() || numerico(nome.testo)) {
                avviso(avvisi::nome_stazione, r, nome.colonna,
                       "il nome della stazione è " + tra_virgolette(nome.testo) +
                           (nome.testo.empty() ? ", vuoto" : ", un numero") +
                           ": c'è un valore di troppo prima del nome?");
            }
        }
    }

    // The first value read as a number that holds a word: a line short of one number.
    static const campo_letto* testo_al_posto_di_un_numero(const descrizione_parola_chiave& p,
                                                          const valori_riga& v) {
        for (std::size_t i = 0; i < v.valori.size(); ++i) {
            const campo_letto& c = v.valori[i];
            const bool parola = !c.testo.empty() && !numerico(c.testo) && !c.numero;
            if (p.valori[i].larghezza != larghezza_valore::testo && parola) return &c;
        }
        return nullptr;
    }

    // A value the reader cannot read with its width: the reading's fault, error 25.
    static std::optional<errore_previsto> illeggibile(const descrizione_parola_chiave& p,
                                                      const valori_riga& v) {
        for (std::size_t i = 0; i < v.valori.size(); ++i) {
            if (p.valori[i].larghezza == larghezza_valore::testo) continue;
            const campo_letto& c = v.valori[i];
            if (!c.numero || !c.nella_larghezza) {
                return errore_previsto{errori::dato_illeggibile, c.colonna};
            }
        }
        return std::nullopt;
    }

    // ---- What the readers would do with the values ----

    bool fuori(int64_t x, int64_t margine) const {
        return numero_celle_ && x + margine > 50 * *numero_celle_;
    }
    bool cella_fuori(int64_t k) const { return numero_celle_ && (k < 0 || k > *numero_celle_); }
    bool occupata(int64_t k) const {
        return k >= 0 && static_cast<std::size_t>(k) < occupate_.size() &&
               occupate_[static_cast<std::size_t>(k)];
    }
    void occupa(int64_t k) {
        if (k >= 0 && static_cast<std::size_t>(k) < occupate_.size()) {
            occupate_[static_cast<std::size_t>(k)] = true;
        }
    }

    // The line's values as numbers, each read within its width.
    const std::vector<int64_t>& numeri_di(const valori_riga& v) {
        numeri_.clear();
        for (const campo_letto& c : v.valori) {
            if (!c.numero) break;
            numeri_.push_back(*c.numero);
        }
        return numeri_;
    }

    // The readers' keyword tests, once for each keyword field as written.
    // A file holds few different keyword fields: a short list is quicker than a table.
    const descrizione_parola_chiave* parola_di(std::string_view campo) {
        for (const auto& [testo, parola] : parole_note_) {
            if (testo == campo) return parola;
        }
        const descrizione_parola_chiave* parola = parola_chiave_di(file_, campo);
        parole_note_.emplace_back(campo, parola);
        return parola;
    }

    std::optional<errore_previsto> controlla_valori(const riga_testo& r,
                                                    const descrizione_parola_chiave& p,
                                                    const valori_riga& v,
                                                    const campo_letto& parola) {
        const std::vector<int64_t>& n = numeri_di(v);
        auto colonna = [&](std::size_t i) { return v.valori[i].colonna; };
        const std::string_view k = p.parola;
        std::optional<errore_previsto> e;
        if (k == "lunghezza percorso") {
            if (n[0] < 0 || n[0] > 1000000)
                return errore_previsto{errori::lunghezza_percorso, colonna(0)};
            numero_celle_ = static_cast<int64_t>(arrotonda((n[0] + 7000) / 50.0));
            occupate_.assign(static_cast<std::size_t>(*numero_celle_) + 1, false);
        } else if (k.starts_with("ripetizione")) {
            if (n[0] % 50 != 0) return errore_previsto{errori::inizio_ripetizione, colonna(0)};
            if (n[1] % 50 != 0) return errore_previsto{errori::fine_ripetizione, colonna(1)};
            if (!contiene(parola.testo, "4") && !contiene(parola.testo, "9")) {
                return errore_previsto{errori::codici_ripetizione, parola.colonna};
            }
        } else if (k == "pendenza") {
            if (fuori(n[0], 100)) return errore_previsto{errori::fuori_linea, colonna(0)};
            if (n[1] < -100 || n[1] > 155)
                return errore_previsto{errori::dato_illeggibile, colonna(1)};
            riempi(pendenza_, r, n[0], colonna(0), "pendenza");
        } else if (k.starts_with("curva")) {
            if (fuori(n[0], 100)) return errore_previsto{errori::fuori_linea, colonna(0)};
            curva(r, n[0], n[1], colonna(0));
        } else if (k == "montagna") {
            if (fuori(n[0], 100)) return errore_previsto{errori::fuori_linea, colonna(0)};
            const int64_t prima = indice_di(n[0]);
            const auto ultima = static_cast<int64_t>(arrotonda(n[1] / 50.0 - 1.0));
            if (prima <= ultima && (cella_fuori(prima) || cella_fuori(ultima))) {
                return errore_previsto{errori::fuori_linea, colonna(0)};
            }
        } else if (k == "indicatori_vmax") {
            e = oggetto(r, n[0], colonna(0), errori::indicatore_occupato, "indicatore");
            for (std::size_t i = 1; !e && i <= 3; ++i) {
                const double somma = arrotonda(static_cast<double>(n[i] * 20) + n[i + 4] / 5.0);
                if (somma < -32768 || somma > 32767)
                    e = errore_previsto{errori::dato_illeggibile, colonna(i)};
            }
        } else if (k == "cartello_indicatore") {
            e = cartello(r, n[0], colonna(0));
        } else if (k == "velocita") {
            if (fuori(n[0], 100)) return errore_previsto{errori::fuori_linea, colonna(0)};
            const double passo = arrotonda(n[1] / 5.0);
            if (passo < 0 || passo > 255)
                return errore_previsto{errori::dato_illeggibile, colonna(1)};
            riempi(velocita_, r, n[0], colonna(0), "velocita");
        } else if (k == "aderenza") {
            if (fuori(n[0], 100)) return errore_previsto{errori::fuori_linea, colonna(0)};
            riempi(aderenza_, r, n[0], colonna(0), "aderenza");
        } else if (k == "segnale") {
            e = oggetto(r, n[0], colonna(0), errori::segnale_occupato, "segnale");
        } else if (k == "rallentamento") {
            e = rallentamento(r, n, colonna(0));
        } else if (k == "abbattimento") {
            e = abbattimento(r, n[0], colonna(0));
        } else if (k == "stazione") {
            e = stazione(r, n, colonna(0), colonna(2));
        }
        if (!e && raggiunta(r)) valori_fuori_campo(r, p, v, n);
        return e;
    }

    // Gradients, speeds and adhesions: each line's value holds from its cell on, filled up to
    // the next line's cell; a line whose cell is not past the cursor moves it by one.
    void riempi(riempimento& c, const riga_testo& r, int64_t posizione, std::int32_t colonna,
                std::string_view parola) {
        const int64_t cella = indice_di(posizione);
        const int64_t prima = c.cursore;
        if (cella > 0) c.cursore = std::max(c.cursore + 1, cella);
        if (c.posizione_precedente && prima > 0 && cella <= prima && raggiunta(r)) {
            const int64_t da = cella > 0 ? c.cursore : prima;
            avviso(avvisi::ordine, r, colonna,
                   tra_virgolette(parola) + " a " + std::to_string(posizione) +
                       " m viene dopo quella a " + std::to_string(*c.posizione_precedente) +
                       " m della riga " + std::to_string(c.riga_precedente) +
                       ": le righe vanno in ordine di posizione crescente; lo scenario "
                       "compilato tiene questo valore dalla cella " +
                       std::to_string(da) + " (" + std::to_string(da * 50) +
                       " m) in poi, non dalla cella " +
                       std::to_string(std::max<int64_t>(cella, 0)));
        }
        c.posizione_precedente = posizione;
        c.riga_precedente = r.numero;
    }

    // The plan is built metre by metre: a curve bends only past the metres already built.
    void curva(const riga_testo& r, int64_t a, int64_t l, std::int32_t colonna) {
        int64_t& m = cursore_profilo_;
        if (inizio_curva_precedente_ && raggiunta(r) && a + 1 < m) {
            const bool indietro = a < *inizio_curva_precedente_;
            const std::string effetto =
                a + l < m
                    ? "non ha effetto: il tracciato è già calcolato fino al metro " +
                          std::to_string(m - 1)
                    : "piega il tracciato solo dal metro " + std::to_string(m) + " al metro " +
                          std::to_string(a + l) + " (" + std::to_string(a + l - m + 1) +
                          " m invece di " + std::to_string(l) + ")";
            const std::string cosa =
                indietro ? "viene dopo quella a " + std::to_string(*inizio_curva_precedente_) + " m"
                         : "inizia prima della fine della precedente";
            avviso(indietro ? avvisi::ordine : avvisi::curve_sovrapposte, r, colonna,
                   "la curva a " + std::to_string(a) + " m " + cosa + " (riga " +
                       std::to_string(riga_curva_precedente_) +
                       "): le curve vanno in ordine di posizione, senza sovrapporsi; nello "
                       "scenario compilato " +
                       effetto);
        }
        if (m <= a) m = a + 1;
        if (m <= a + l) m = a + l + 1;
        inizio_curva_precedente_ = a;
        riga_curva_precedente_ = r.numero;
    }

    void fuori_passo(const riga_testo& r, std::string_view cosa, int64_t posizione,
                     std::int32_t colonna, int64_t cella, int64_t metri) {
        if (posizione % 50 == 0 || !raggiunta(r)) return;
        avviso(avvisi::fuori_passo, r, colonna,
               std::string(cosa) + " a " + std::to_string(posizione) +
                   " m non sta su un multiplo di 50 m: cade nella cella " + std::to_string(cella) +
                   ", come se fosse a " + std::to_string(metri) + " m",
               livello_reperto::nota);
    }

    // A signal or a speed board: one cell, which must hold nothing.
    std::optional<errore_previsto> oggetto(const riga_testo& r, int64_t posizione,
                                           std::int32_t colonna, std::int32_t occupato,
                                           std::string_view cosa) {
        if (fuori(posizione, 100)) return errore_previsto{errori::fuori_linea, colonna};
        const int64_t k = cella_di(posizione);
        if (cella_fuori(k)) return errore_previsto{errori::fuori_linea, colonna};
        if (occupata(k)) return errore_previsto{occupato, colonna};
        occupa(k);
        fuori_passo(r, std::string("il ") + std::string(cosa), posizione, colonna, k, (k - 1) * 50);
        return std::nullopt;
    }

    std::optional<errore_previsto> cartello(const riga_testo& r, int64_t posizione,
                                            std::int32_t colonna) {
        if (fuori(posizione, 100)) return errore_previsto{errori::fuori_linea, colonna};
        const int64_t k = cella_di(posizione);
        if (cella_fuori(k) || riga_cartello_ <= 1)
            return errore_previsto{errori::fuori_linea, colonna};
        if (occupata(k)) return errore_previsto{errori::cartello_occupato, colonna};
        occupa(k);
        --riga_cartello_;
        fuori_passo(r, "il cartello indicatore", posizione, colonna, k, (k - 1) * 50);
        return std::nullopt;
    }

    std::optional<errore_previsto> rallentamento(const riga_testo& r, const std::vector<int64_t>& n,
                                                 std::int32_t colonna) {
        const int64_t x = n[0], l = n[2], f_ta = n[4];
        if (fuori(x, 100)) return errore_previsto{errori::fuori_linea, colonna};
        const int64_t s = cella_di(x), e = cella_di(x + l), w = cella_di(x - 1200);
        const int64_t b = indice_di(x - 1200);
        if (cella_fuori(s) || cella_fuori(e) || (x > 1500 && cella_fuori(w)) ||
            (x > 1500 && f_ta != 0 && (cella_fuori(b) || cella_fuori(b - 3)))) {
            return errore_previsto{errori::fuori_linea, colonna};
        }
        if (x > 1500 && occupata(w))
            return errore_previsto{errori::avviso_rallentamento_occupato, colonna};
        if (occupata(s)) return errore_previsto{errori::inizio_rallentamento_occupato, colonna};
        if (occupata(e)) return errore_previsto{errori::fine_rallentamento_occupato, colonna};
        occupa(e);
        occupa(s);
        if (x > 1500) occupa(w);
        if (x > 1500 && f_ta != 0) {
            for (int64_t c = b; c > b - 4; --c) {
                if (occupata(c))
                    return errore_previsto{errori::preavviso_rallentamento_occupato, colonna};
            }
            for (int64_t c = b; c > b - 4; --c) occupa(c);
        }
        fuori_passo(r, "il rallentamento", x, colonna, s, (s - 1) * 50);
        return std::nullopt;
    }

    std::optional<errore_previsto> abbattimento(const riga_testo& r, int64_t posizione,
                                                std::int32_t colonna) {
        const int64_t k = indice_di(posizione);
        if (fuori(posizione, 100) || cella_fuori(k))
            return errore_previsto{errori::fuori_linea, colonna};
        if (occupata(k)) return errore_previsto{errori::abbattimento_occupato, colonna};
        occupa(k);
        fuori_passo(r, "l'abbattimento", posizione, colonna, k, k * 50);
        return std::nullopt;
    }

    // The stop zone by the station's kind, as the reader lays it.
    static std::pair<int64_t, int64_t> zona(int64_t p, int64_t tipo, int64_t l, int64_t d6) {
        if (tipo == 5 || tipo == 6) return {p - l, p + 150};
        if (tipo == 7 || tipo == 8) return {p - l, p + l};
        return {static_cast<int64_t>(arrotonda(p - l / 2.0)),
                static_cast<int64_t>(arrotonda(p + l / 2.0 + (d6 != 0 ? 50 : 0)))};
    }

    std::optional<errore_previsto> stazione(const riga_testo& r, const std::vector<int64_t>& n,
                                            std::int32_t colonna, std::int32_t colonna_lunghezza) {
        const int64_t p = n[0], tipo = n[1], l = n[2];
        if (fuori(p, 800)) return errore_previsto{errori::fuori_linea, colonna};
        if (p % 50 != 0) return errore_previsto{errori::stazione_fuori_passo, colonna};
        if (l % 100 != 0) return errore_previsto{errori::lunghezza_stazione, colonna_lunghezza};
        const auto [inizio, fine] = zona(p, tipo, l, n[5]);
        if (tipo < 25) {
            const double fermata = fine / 50.0 - 1.0;
            const auto cella = static_cast<int64_t>(arrotonda(fermata));
            if (fermata > 1.0 && cella_fuori(cella))
                return errore_previsto{errori::fuori_linea, colonna};
            if (!(fermata > 1.0)) return errore_previsto{errori::fermata_iniziale, colonna};
            occupa(cella);
        }
        stazione_indietro_ = posizione_stazione_precedente_ && p < *posizione_stazione_precedente_;
        if (stazione_indietro_ && raggiunta(r)) {
            avviso(avvisi::ordine, r, colonna,
                   "le stazioni vanno in ordine di posizione crescente: questa, a " +
                       std::to_string(p) + " m, viene dopo quella a " +
                       std::to_string(*posizione_stazione_precedente_) + " m della riga " +
                       std::to_string(riga_stazione_precedente_),
                   livello_reperto::nota);
        }
        const bool vicina = fine_stazione_precedente_ && inizio - 350 < *fine_stazione_precedente_;
        posizione_stazione_precedente_ = p;
        riga_stazione_precedente_ = r.numero;
        fine_stazione_precedente_ = fine;
        if (vicina) return errore_previsto{errori::stazioni_vicine, colonna};
        if (++contatore_stazioni_ >= riga_cartello_)
            return errore_previsto{errori::troppe_stazioni, colonna};
        return std::nullopt;
    }

    // Negative lengths and positions; values kept as their low bits, without a test.
    void valori_fuori_campo(const riga_testo& r, const descrizione_parola_chiave& p,
                            const valori_riga& v, const std::vector<int64_t>& n) {
        for (std::size_t i = 0; i < n.size(); ++i) {
            const descrizione_valore& d = p.valori[i];
            const int64_t x = n[i];
            auto nome = [&] { return tra_virgolette(d.nome) + " " + std::to_string(x); };
            if (d.unita == "m") {
                if (d.minimo < 0 || x >= 0) continue;
                avviso(avvisi::negativo, r, v.valori[i].colonna,
                       nome() + " m è negativo: " + effetto_negativo(p, i, n));
                continue;
            }
            const bool fuori_campo = x > d.massimo || (x < d.minimo && d.minimo <= 0);
            if (!fuori_campo || d.fuori_campo.find("error") != std::string_view::npos) continue;
            const std::string memorizzato = valore_memorizzato(p, i, n);
            avviso(avvisi::bit_bassi, r, v.valori[i].colonna,
                   nome() + " è fuori da " + std::to_string(d.minimo) + " … " +
                       std::to_string(d.massimo) + ", e nessuno lo controlla: " +
                       (memorizzato.empty() ? std::string(d.fuori_campo)
                                            : "nello scenario compilato diventa " + memorizzato));
        }
    }

    static std::string effetto_negativo(const descrizione_parola_chiave& p, std::size_t i,
                                        const std::vector<int64_t>& n) {
        if (p.parola == "stazione" && i == 2) {
            const auto [inizio, fine] = zona(n[0], n[1], n[2], n[5]);
            return "la zona di fermata va da " + std::to_string(inizio) + " a " +
                   std::to_string(fine) + " m, al contrario";
        }
        if (p.parola.starts_with("curva") && i == 1) return "la curva non piega il tracciato";
        if (p.parola == "rallentamento" && i == 2) {
            return "il cartello di fine (cella " + std::to_string(cella_di(n[0] + n[2])) +
                   ") sta prima di quello d'inizio (cella " + std::to_string(cella_di(n[0])) + ")";
        }
        return "sta prima dell'inizio della linea";
    }

    void non_raggiunto(const riga_testo& r, errore_previsto e) {
        const std::optional<fermata>& f = fermata_del_file();
        std::string messaggio = "qui la lettura darebbe l'errore " + std::to_string(e.numero) +
                                " (" + messaggio_errore(e.numero) + ")";
        if (e.numero == errori::stazioni_vicine && stazione_indietro_) {
            messaggio += ": le stazioni vanno in ordine di posizione crescente";
        }
        messaggio += ", ma si era fermata prima";
        if (f && f->errore != 0) {
            messaggio += ", all'errore " + std::to_string(f->errore);
            if (f->file_errore != file_) messaggio += " del " + nome_file(f->file_errore);
            if (f->riga_errore > 0) messaggio += " alla riga " + std::to_string(f->riga_errore);
        }
        avviso(avvisi::non_raggiunto, r, e.colonna, messaggio);
    }

    ambiente_compilazione& a_;
    const fermate_lettura fermate_;
    sorgente file_ = sorgente::nessuna;
    std::vector<riga_testo> righe_;
    bool in_generale_ = false;

    // What the line file leaves for the train run file, as the readers would hold it.
    std::optional<int64_t> numero_celle_;
    std::int32_t riga_cartello_ = 80;
    std::vector<bool> occupate_;  // cells that hold an object
    std::vector<std::pair<std::string_view, const descrizione_parola_chiave*>> parole_note_;
    valori_riga valori_;
    std::vector<int64_t> numeri_;
    riempimento pendenza_, velocita_, aderenza_;
    int64_t cursore_profilo_ = 2;
    std::optional<int64_t> inizio_curva_precedente_;
    std::int32_t riga_curva_precedente_ = 0;
    std::int32_t contatore_stazioni_ = 1;
    std::optional<int64_t> fine_stazione_precedente_;
    std::optional<int64_t> posizione_stazione_precedente_;
    std::int32_t riga_stazione_precedente_ = 0;
    bool stazione_indietro_ = false;
};

}  // namespace

void controlla_testi(ambiente_compilazione& a) {
    controllo(a).esegui();
}
