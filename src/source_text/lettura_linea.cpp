// First half of memorizza_dati: the line file.
#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>

#include "model/form1.h"
#include "model/guasto.h"
#include "model/numeri.h"
#include "platform/cancellazione.h"
#include "platform/lettura_file.h"
#include "source_text/lettore_campi.h"
#include "source_text/segnalazioni.h"
#include "source_text/stato_lettura.h"

namespace {

using punto_campo = lettore_campi::punto_campo;

constexpr std::int32_t lunghezza_massima = 1000000;
constexpr std::int32_t margine_linea = 100;

void chiudi_e_cancella(Form1& f, stato_lettura& st) {
    st.file.reset();
    cancella_file(f.percorso_file_linea());
}

// Ends the reading with a finding: the file is closed and deleted.
bool termina(Form1& f, stato_lettura& st, std::int32_t codice, punto_campo punto,
             std::optional<std::int32_t> posizione = std::nullopt) {
    chiudi_con_errore(f, st, f.percorso_file_linea(), codice, punto, posizione);
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
        f.riga_letta = file.leggi_testo();
        if (file.fine_file()) return termina(f, st, 102, punto_campo{});
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
    if (r86.inizio % 50 != 0) return termina(f, st, 3, punto_inizio);
    if (r86.fine % 50 != 0) return termina(f, st, 4, punto_fine);
    if (contiene_maiuscole_minuscole(f.riga_letta, "4")) {
        r86.posizione = 4;
    } else if (contiene_maiuscole_minuscole(f.riga_letta, "9")) {
        r86.posizione = 9;
    } else {
        return termina(f, st, 5, punto_inizio);
    }
    if (r86.fine == 0) r86.posizione = 0;
    return true;
}

// Runs every test of the general section on riga_letta. False when a finding ended the reading.
bool interpreta_generale(Form1& f, stato_lettura& st) {
    lettore_campi& file = *st.file;
    const std::string& campo = f.riga_letta;
    if (contiene_maiuscole_minuscole(campo, "percorso") &&
        contiene_maiuscole_minuscole(campo, "lunghezza")) {
        const std::int32_t lunghezza = file.leggi_intero32();
        f.riga(84).fine = lunghezza;
        if (lunghezza > lunghezza_massima || lunghezza < 0) return termina(f, st, 1, file.punto());
        f.crea_modello(lunghezza);
    }
    if (contiene(campo, "tre") && contiene(campo, "progressiva")) leggi_terna(file, f.riga(81));
    if (contiene(campo, "due") && contiene(campo, "progressiva")) leggi_terna(file, f.riga(82));
    if (contiene(campo, "uno") && contiene(campo, "progressiva")) leggi_terna(file, f.riga(83));
    if (contiene(campo, "sfondo") && contiene(campo, "uno"))
        f.riga(85).inizio = file.leggi_intero32();
    if (contiene(campo, "sfondo") && contiene(campo, "due")) {
        f.riga(85).posizione = file.leggi_intero32();
    }
    if (contiene(campo, "sfondo") && contiene(campo, "tre"))
        f.riga(85).fine = file.leggi_intero32();
    if (contiene(campo, "segnali") && contiene(campo, "ripetizione")) {
        if (!leggi_ripetizione_segnali(f, st)) return false;
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
        f.riga_letta = file.leggi_testo();
        if (file.fine_file()) return true;
        for (int n = 0; n < 10; ++n) {
            if (contiene(f.riga_letta, "-")) f.riga_letta = file.leggi_testo();
        }
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
        do {
            f.cella_in(st.cursore_pendenza).pendenza = basso8(st.pendenza_corrente + 100);
            ++st.cursore_pendenza;
        } while (st.cursore_pendenza < n);
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
        termina(f, st, 103, punto);
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
            termina(f, st, 103, punto);
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
        segnala(f, 15, inizio, file, punto);
        return esito_riga::fine_lettura;
    }
    if (prima <= ultima && (cella_fuori(f, prima, inizio, file, punto) ||
                            cella_fuori(f, ultima, inizio, file, punto))) {
        return esito_riga::fine_lettura;
    }
    const std::int32_t posizione = inizio;
    f.memo_montagna(inizio, fine, tipo);
    if (f.codice_errore > 0) {
        termina(f, st, f.codice_errore, punto, posizione);
        return esito_riga::esci;
    }
    return esito_riga::continua;
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
    f.memo_indicatori_v_max(posizione, v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7]);
    if (f.codice_errore > 0) {
        termina(f, st, f.codice_errore, punto, posizione);
        return esito_riga::esci;
    }
    return esito_riga::continua;
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
        segnala(f, 15, p, file, punto);
        return esito_riga::fine_lettura;
    }
    cella& c = f.cella_in(i);
    if (!cella_libera(c)) {
        termina(f, st, 6, punto, p);
        return esito_riga::esci;
    }
    c.tipo = tipo_cella::cartello_indicatore;
    c.valore_1 = basso16(st.riga_cartello);
    f.riga(st.riga_cartello).nome = f.riga_letta;
    --st.riga_cartello;
    return esito_riga::continua;
}

// Runs the tests of the later sections on riga_letta, in order; several may apply.
esito_riga interpreta_successive(Form1& f, stato_lettura& st) {
    const std::string campo = f.riga_letta;
    const bool pendenza = contiene_maiuscole_minuscole(campo, "pendenza");
    const bool curva = contiene_maiuscole_minuscole(campo, "curva") && f.flag_j != 0;
    const bool montagna = contiene_maiuscole_minuscole(campo, "montagna");
    const bool indicatori = contiene_maiuscole_minuscole(campo, "indicatori_v");
    const bool cartello = contiene_maiuscole_minuscole(campo, "indicat") &&
                          contiene_maiuscole_minuscole(campo, "cartello");
    esito_riga esito = esito_riga::continua;
    if (pendenza) esito = riga_pendenza(f, st);
    if (curva && esito == esito_riga::continua) esito = riga_curva(f, st);
    if (montagna && esito == esito_riga::continua) esito = riga_montagna(f, st);
    if (indicatori && esito == esito_riga::continua) esito = riga_indicatori(f, st);
    if (cartello && esito == esito_riga::continua) esito = riga_cartello(f, st);
    return esito;
}

// The later sections. False when a finding ended the reading (file already deleted).
bool leggi_successive(Form1& f, stato_lettura& st) {
    lettore_campi& file = *st.file;
    for (;;) {
        if (file.fine_file()) return true;
        f.riga_letta = file.leggi_testo();
        if (file.fine_file()) return true;
        for (int n = 0; n < 2 && contiene(f.riga_letta, "-"); ++n) {
            f.riga_letta = file.leggi_testo();
            if (file.fine_file()) return true;
        }
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
    do {
        f.cella_in(st.cursore_pendenza).pendenza = basso8(st.pendenza_corrente + 100);
        ++st.cursore_pendenza;
    } while (st.cursore_pendenza < f.numero_celle - 2);
    std::int32_t& m = st.cursore_profilo;
    if (f.flag_j == 0 || m > f.lunghezza_estesa - 2) return;
    f.profilo_linea.calcola(m, f.lunghezza_estesa - 2, false, 0.0);
    m = f.lunghezza_estesa - 1;
}

}  // namespace

bool Form1::leggi_file_linea(stato_lettura& st) {
    riga(85).nome = nome_linea;
    riga(86).nome = numero_treno;
    const std::string percorso = percorso_file_linea();
    if (tipo_di(percorso) != tipo_file::ordinario) {
        codice_errore = 101;
        posizione_impostata = false;
        luogo_errore = luogo_sorgente{sorgente::file_linea, 0, 0, {}};
        return false;
    }
    st.file.emplace(leggi_file(percorso), sorgente::file_linea);
    if (!trova_generale(*this, st) || !leggi_generale(*this, st)) return false;
    if (!celle_create()) return termina(*this, st, 1, lettore_campi::punto_campo{});
    progressive_ordina();
    prepara_successive(*this, st);
    if (!leggi_successive(*this, st)) return false;
    completa_linea(*this, st);
    return true;
}
