// First half of memorizza_dati: the line file.
#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>

#include "compilazione/ambiente.h"
#include "compilazione/registra_reperto.h"
#include "model/codici_errore.h"
#include "model/form1.h"
#include "model/guasto.h"
#include "model/numeri.h"
#include "source_text/lettore_campi.h"
#include "source_text/passi_lettura.h"
#include "source_text/segnalazioni.h"
#include "source_text/stato_lettura.h"

namespace {

using punto_campo = lettore_campi::punto_campo;

constexpr std::int32_t lunghezza_massima = 1000000;
constexpr std::int32_t margine_linea = 100;

// Ends the reading with a finding: the file is closed and deleted.
bool termina(Form1& f, stato_lettura& st, std::int32_t codice, punto_campo punto,
             std::optional<std::int32_t> posizione = std::nullopt) {
    chiudi_con_errore(f, st, codice, punto, posizione);
    return false;
}

void leggi_terna(lettore_campi& file, riga_sim& r) {
    r.inizio = file.leggi_intero32();
    r.fine = file.leggi_intero32();
    r.posizione = file.leggi_intero32();
}

// "[generale]" and everything before it. False when the file ended first.
bool trova_generale(Form1& f, stato_lettura& st) {
    lettore_campi& file = *st.file;
    for (;;) {
        f.riga_letta = file.leggi_parola_chiave();
        if (file.fine_file()) return termina(f, st, errori::generale_mancante, punto_campo{});
        if (contiene_maiuscole_minuscole(f.riga_letta, "[generale]")) return true;
    }
}

// The cab-signal stretch: start, end and the number of codes its keyword names.
bool leggi_ripetizione_segnali(Form1& f, stato_lettura& st) {
    lettore_campi& file = *st.file;
    riga_sim& r86 = f.riga(86);
    r86.inizio = file.leggi_intero32();
    const punto_campo punto_inizio = file.punto();
    r86.fine = file.leggi_intero32();
    const punto_campo punto_fine = file.punto();
    if (r86.inizio % 50 != 0) return termina(f, st, errori::inizio_ripetizione, punto_inizio);
    if (r86.fine % 50 != 0) return termina(f, st, errori::fine_ripetizione, punto_fine);
    if (contiene_maiuscole_minuscole(f.riga_letta, "4")) {
        r86.posizione = 4;
    } else if (contiene_maiuscole_minuscole(f.riga_letta, "9")) {
        r86.posizione = 9;
    } else {
        return termina(f, st, errori::codici_ripetizione, punto_inizio);
    }
    if (r86.fine == 0) r86.posizione = 0;
    return true;
}

bool leggi_lunghezza(Form1& f, stato_lettura& st) {
    lettore_campi& file = *st.file;
    const std::int32_t lunghezza = file.leggi_intero32();
    f.riga(84).fine = lunghezza;
    if (lunghezza > lunghezza_massima || lunghezza < 0) {
        return termina(f, st, errori::lunghezza_percorso, file.punto());
    }
    f.crea_modello(lunghezza);
    return true;
}

template <int riga>
bool leggi_progressiva(Form1& f, stato_lettura& st) {
    leggi_terna(*st.file, f.riga(riga));
    return true;
}

template <std::int32_t riga_sim::*campo>
bool leggi_sfondo(Form1& f, stato_lettura& st) {
    f.riga(85).*campo = st.file->leggi_intero32();
    return true;
}

// A keyword line of the general section: the line is one when its first field holds both
// words (compared as written, or without regard to case).
struct prova_generale {
    const char* parola;
    const char* altra;
    bool maiuscole_minuscole;
    bool (*leggi)(Form1&, stato_lettura&);  // false when a finding ended the reading
};

constexpr prova_generale prove_generale[] = {
    {"percorso", "lunghezza", true, leggi_lunghezza},
    {"tre", "progressiva", false, leggi_progressiva<81>},
    {"due", "progressiva", false, leggi_progressiva<82>},
    {"uno", "progressiva", false, leggi_progressiva<83>},
    {"sfondo", "uno", false, leggi_sfondo<&riga_sim::inizio>},
    {"sfondo", "due", false, leggi_sfondo<&riga_sim::posizione>},
    {"sfondo", "tre", false, leggi_sfondo<&riga_sim::fine>},
    {"segnali", "ripetizione", false, leggi_ripetizione_segnali},
};

bool applica(const prova_generale& p, std::string_view campo) {
    if (p.maiuscole_minuscole) {
        return contiene_maiuscole_minuscole(campo, p.parola) &&
               contiene_maiuscole_minuscole(campo, p.altra);
    }
    return contiene(campo, p.parola) && contiene(campo, p.altra);
}

// Runs every test of the general section on riga_letta, in order; several may apply.
// False when a finding ended the reading.
bool interpreta_generale(Form1& f, stato_lettura& st) {
    const std::string campo = f.riga_letta;
    for (const prova_generale& p : prove_generale) {
        if (applica(p, campo) && !p.leggi(f, st)) return false;
    }
    return true;
}

bool chiude_sezione(const std::string& campo) {
    return contiene(campo, "[") && contiene(campo, "]") && !campo.starts_with("-");
}

// The general section, up to the header that ends it. False when a finding ended the reading.
bool leggi_generale(Form1& f, stato_lettura& st) {
    lettore_campi& file = *st.file;
    for (;;) {
        if (file.fine_file()) return true;
        f.riga_letta = file.leggi_parola_chiave();
        if (file.fine_file()) return true;
        salta_trattini(file, f.riga_letta, 10, false);
        if (!interpreta_generale(f, st)) return false;
        if (chiude_sezione(f.riga_letta)) return true;
    }
}

double curvatura_di(const std::string& campo) {
    static constexpr struct {
        const char* cifra;
        double valore;
    } gradi[] = {{"1", 0.0001}, {"2", 0.0002}, {"3", 0.0004},
                 {"4", 0.001},  {"5", 0.002},  {"6", 0.003}};
    for (const auto& g : gradi) {
        if (contiene(campo, g.cifra)) return g.valore;
    }
    return 0.0;
}

esito_riga riga_pendenza(Form1& f, stato_lettura& st) {
    lettore_campi& file = *st.file;
    const std::int32_t p = file.leggi_intero32();
    const punto_campo punto = file.punto();
    const std::int32_t g = file.leggi_intero32();
    if (fuori_portata(f, p, margine_linea, file, punto)) return esito_riga::fine_lettura;
    // The cell byte holds gradient + 100: anything else would wrap into a wrong gradient.
    if (g < -100 || g > 155) throw guasto("pendenza " + std::to_string(g) + " fuori da -100..155");
    const std::int64_t n = indice_di(p);
    if (n > 0) {
        riempi_celle(f, st.cursore_pendenza, n, &cella::pendenza,
                     basso8(st.pendenza_corrente + 100));
    }
    st.pendenza_corrente = g;
    return esito_riga::continua;
}

esito_riga riga_curva(Form1& f, stato_lettura& st) {
    lettore_campi& file = *st.file;
    const std::int32_t a = file.leggi_intero32();
    const punto_campo punto = file.punto();
    const std::int32_t l = file.leggi_intero32();
    if (fuori_portata(f, a, margine_linea, file, punto)) return esito_riga::fine_lettura;
    double curvatura = curvatura_di(f.riga_letta);
    if (curvatura == 0.0) {
        termina(f, st, errori::curva_errata, punto);
        return esito_riga::esci;
    }
    if (contiene_maiuscole_minuscole(f.riga_letta, "s")) curvatura = -curvatura;
    // A curve that runs past the profile stops at its last metre.
    const std::int64_t ultimo = f.lunghezza_estesa;
    const std::int64_t fine_curva = static_cast<std::int64_t>(a) + l;
    std::int32_t& m = st.cursore_profilo;
    for (int fase = 0; fase < 2; ++fase) {
        const bool curvo = fase == 1;
        const std::int64_t limite = std::min(curvo ? fine_curva : a, ultimo);
        if (m > limite) continue;
        // Metre 1000000 is the last a curve line may compute: reaching it is error 103.
        const auto fino =
            static_cast<std::int32_t>(std::min<std::int64_t>(limite, lunghezza_massima));
        f.profilo_linea.calcola(m, fino, curvo, curvatura);
        m = fino + 1;
        if (m > lunghezza_massima) {
            termina(f, st, errori::curva_errata, punto);
            return esito_riga::esci;
        }
    }
    return esito_riga::continua;
}

esito_riga riga_montagna(Form1& f, stato_lettura& st) {
    lettore_campi& file = *st.file;
    std::int32_t inizio = file.leggi_intero32();
    const punto_campo punto = file.punto();
    std::int32_t fine = file.leggi_intero32();
    std::int32_t tipo = file.leggi_intero32();
    if (fuori_portata(f, inizio, margine_linea, file, punto)) return esito_riga::fine_lettura;
    const std::int64_t prima = indice_di(inizio);
    const auto ultima = static_cast<std::int64_t>(arrotonda(fine / 50.0 - 1.0));
    // Slots hold 80 sections; a section that writes cells must lie inside the model.
    if (f.numero_montagne >= 80) {
        segnala(f, errori::fuori_linea, file, punto, inizio);
        return esito_riga::fine_lettura;
    }
    if (prima <= ultima && (cella_fuori(f, prima, inizio, file, punto) ||
                            cella_fuori(f, ultima, inizio, file, punto))) {
        return esito_riga::fine_lettura;
    }
    const std::int32_t posizione = inizio;
    const std::int32_t codice_prima = f.codice_errore;
    f.memo_montagna(inizio, fine, tipo);
    return termina_dopo_memo(f, st, codice_prima, posizione, punto) ? esito_riga::esci
                                                                    : esito_riga::continua;
}

esito_riga riga_indicatori(Form1& f, stato_lettura& st) {
    lettore_campi& file = *st.file;
    const std::int32_t posizione = file.leggi_intero32();
    const punto_campo punto = file.punto();
    std::int32_t v[8];
    for (std::int32_t& valore : v) valore = file.leggi_intero32();
    if (fuori_portata(f, posizione, margine_linea, file, punto) ||
        cella_fuori(f, cella_di(posizione), posizione, file, punto)) {
        return esito_riga::fine_lettura;
    }
    const std::int32_t prima = f.codice_errore;
    f.memo_indicatori_v_max(posizione, v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7]);
    return termina_dopo_memo(f, st, prima, posizione, punto) ? esito_riga::esci
                                                             : esito_riga::continua;
}

esito_riga riga_cartello(Form1& f, stato_lettura& st) {
    lettore_campi& file = *st.file;
    const std::int32_t p = file.leggi_intero32();
    const punto_campo punto = file.punto();
    f.riga_letta = file.leggi_testo();
    const std::int64_t i = cella_di(p);
    if (fuori_portata(f, p, margine_linea, file, punto) || cella_fuori(f, i, p, file, punto)) {
        return esito_riga::fine_lettura;
    }
    // Board rows go down from 80 and must never meet the station rows from 1 up.
    if (st.riga_cartello <= 1) {
        segnala(f, errori::fuori_linea, file, punto, p);
        return esito_riga::fine_lettura;
    }
    cella& c = f.cella_in(i);
    if (!cella_libera(c)) {
        termina(f, st, errori::cartello_occupato, punto, p);
        return esito_riga::esci;
    }
    c.tipo = tipo_cella::cartello_indicatore;
    c.valore_1 = basso16(st.riga_cartello);
    f.riga(st.riga_cartello).nome = f.riga_letta;
    --st.riga_cartello;
    return esito_riga::continua;
}

bool curve_lette(const Form1& f) {
    return f.flag_j != 0;
}
bool sempre(const Form1&) {
    return true;
}

// A keyword line of the later sections: its first field holds every word, compared without
// regard to case, and the run reads that kind of line.
struct prova_successiva {
    const char* parola;
    const char* altra;  // nullptr when one word is enough
    bool (*letta)(const Form1&);
    esito_riga (*leggi)(Form1&, stato_lettura&);
};

constexpr prova_successiva prove_successive[] = {
    {"pendenza", nullptr, sempre, riga_pendenza},
    {"curva", nullptr, curve_lette, riga_curva},
    {"montagna", nullptr, sempre, riga_montagna},
    {"indicatori_v", nullptr, sempre, riga_indicatori},
    {"indicat", "cartello", sempre, riga_cartello},
};

bool applica(const prova_successiva& p, const Form1& f, std::string_view campo) {
    return contiene_maiuscole_minuscole(campo, p.parola) &&
           (p.altra == nullptr || contiene_maiuscole_minuscole(campo, p.altra)) && p.letta(f);
}

// Runs the tests of the later sections on riga_letta, in order; several may apply.
esito_riga interpreta_successive(Form1& f, stato_lettura& st) {
    const std::string campo = f.riga_letta;
    for (const prova_successiva& p : prove_successive) {
        if (!applica(p, f, campo)) continue;
        const esito_riga esito = p.leggi(f, st);
        if (esito != esito_riga::continua) return esito;
    }
    return esito_riga::continua;
}

// The later sections. False when a finding ended the reading (file already deleted).
bool leggi_successive(Form1& f, stato_lettura& st) {
    lettore_campi& file = *st.file;
    for (;;) {
        if (file.fine_file()) return true;
        f.riga_letta = file.leggi_parola_chiave();
        if (file.fine_file()) return true;
        if (salta_trattini(file, f.riga_letta, 2, true)) return true;
        const esito_riga esito = interpreta_successive(f, st);
        if (esito == esito_riga::esci) return false;
        if (esito == esito_riga::fine_lettura) return true;
    }
}

void prepara_successive(Form1& f, stato_lettura& st) {
    f.numero_montagne = 0;
    st.riga_cartello = 80;
    st.cursore_pendenza = 0;
    st.cursore_profilo = 2;
    if (f.flag_j != 0) {
        // The line starts at the origin, heading along column 1 one unit per metre.
        f.profilo_linea.semina(0, 0, 0, 1);
    }
}

// Close and delete, then the gradient and the profile are carried on to the end of the line.
void completa_linea(Form1& f, stato_lettura& st) {
    chiudi_e_cancella(f, st);
    riempi_celle(f, st.cursore_pendenza, f.numero_celle - 2, &cella::pendenza,
                 basso8(st.pendenza_corrente + 100));
    std::int32_t& m = st.cursore_profilo;
    if (f.flag_j == 0 || m > f.lunghezza_estesa - 2) return;
    f.profilo_linea.calcola(m, f.lunghezza_estesa - 2, false, 0.0);
    m = f.lunghezza_estesa - 1;
}

}  // namespace

bool Form1::leggi_file_linea(stato_lettura& st) {
    riga(85).nome = nome_linea;
    riga(86).nome = numero_treno;
    const testo_sorgente& testo = ambiente->testo(sorgente::file_linea);
    if (!testo.byte) {
        registra_errore(*this, errori::linea_mancante, luogo_del_file(sorgente::file_linea));
        return false;
    }
    st.file.emplace(*testo.byte, sorgente::file_linea);
    if (!trova_generale(*this, st) || !leggi_generale(*this, st)) return false;
    if (!celle_create()) {
        return termina(*this, st, errori::lunghezza_percorso, lettore_campi::punto_campo{});
    }
    progressive_ordina();
    prepara_successive(*this, st);
    if (!leggi_successive(*this, st)) return false;
    completa_linea(*this, st);
    return true;
}
