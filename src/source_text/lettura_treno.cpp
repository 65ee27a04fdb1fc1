// Second half of memorizza_dati: the train run file.
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

constexpr std::int32_t margine_treno = 100;
constexpr std::int32_t margine_stazione = 800;

// Ends the reading with a finding: the file is closed and deleted.
esito_riga termina(Form1& f, stato_lettura& st, std::int32_t codice, punto_campo punto,
                   std::optional<std::int32_t> posizione = std::nullopt) {
    chiudi_con_errore(f, st, codice, punto, posizione);
    return esito_riga::esci;
}

// A store may have failed, or an earlier finding still stands: either ends the reading.
esito_riga dopo_memo(Form1& f, stato_lettura& st, std::int32_t prima, std::int32_t posizione,
                     punto_campo punto) {
    return termina_dopo_memo(f, st, prima, posizione, punto) ? esito_riga::esci
                                                             : esito_riga::continua;
}

std::uint8_t velocita_cella(std::int32_t velocita) {
    return arrotonda_in<std::uint8_t>(velocita / 5.0);
}

esito_riga riga_velocita(Form1& f, stato_lettura& st) {
    lettore_campi& file = *st.file;
    const std::int32_t p = file.leggi_intero32();
    const punto_campo punto = file.punto();
    const std::int32_t v = file.leggi_intero32();
    if (fuori_portata(f, p, margine_treno, file, punto)) return esito_riga::fine_lettura;
    const std::int64_t n = indice_di(p);
    if (n > 0) {
        riempi_celle(f, st.cursore_velocita, n, &cella::vel_limite,
                     velocita_cella(st.velocita_in_vigore), f.numero_celle);
    }
    st.velocita_in_vigore = v;
    return esito_riga::continua;
}

esito_riga riga_aderenza(Form1& f, stato_lettura& st) {
    lettore_campi& file = *st.file;
    const std::int32_t p = file.leggi_intero32();
    const punto_campo punto = file.punto();
    const std::int32_t a = file.leggi_intero32();
    if (fuori_portata(f, p, margine_treno, file, punto)) return esito_riga::fine_lettura;
    const std::int64_t n = indice_di(p);
    if (n > 0) {
        riempi_celle(f, st.cursore_aderenza, n, &cella::aderenza, basso8(st.aderenza_in_vigore));
    }
    st.aderenza_in_vigore = a;
    return esito_riga::continua;
}

esito_riga riga_orologio(Form1& f, stato_lettura& st) {
    riga_sim& r86 = f.riga(86);
    r86.dato_10 = st.file->leggi_intero16();
    r86.dato_11 = st.file->leggi_intero16();
    r86.dato_12 = st.file->leggi_intero16();
    return esito_riga::continua;
}

esito_riga riga_sabbia(Form1& f, stato_lettura& st) {
    f.riga(86).dato_7 = st.file->leggi_intero16();
    return esito_riga::continua;
}

esito_riga riga_segnale(Form1& f, stato_lettura& st) {
    lettore_campi& file = *st.file;
    const std::int32_t posizione = file.leggi_intero32();
    const punto_campo punto = file.punto();
    std::int32_t v[10];
    for (std::int32_t& valore : v) valore = file.leggi_intero32();
    if (fuori_portata(f, posizione, margine_treno, file, punto) ||
        cella_fuori(f, cella_di(posizione), posizione, file, punto)) {
        return esito_riga::fine_lettura;
    }
    const std::int32_t prima = f.codice_errore;
    f.memo_segnale(posizione, v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7], v[8], v[9]);
    return dopo_memo(f, st, prima, posizione, punto);
}

esito_riga riga_rallentamento(Form1& f, stato_lettura& st) {
    lettore_campi& file = *st.file;
    const std::int32_t x = file.leggi_intero32();
    const punto_campo punto = file.punto();
    std::int32_t v = file.leggi_intero32();
    std::int32_t l = file.leggi_intero32();
    std::int32_t f_tt = file.leggi_intero32();
    const std::int32_t f_ta = file.leggi_intero32();
    std::int32_t d_v = file.leggi_intero32();
    if (fuori_portata(f, x, margine_treno, file, punto)) return esito_riga::fine_lettura;
    // Every cell the slowdown will write: start, end, warning board and the four before it.
    const std::int64_t x64 = x;
    bool fuori = cella_fuori(f, cella_di(x64), x, file, punto) ||
                 cella_fuori(f, cella_di(x64 + l), x, file, punto);
    if (!fuori && x > 1500) {
        fuori = cella_fuori(f, cella_di(x64 - 1200), x, file, punto);
        if (!fuori && f_ta != 0) {
            const std::int64_t primo = indice_di(x64 - 1200);
            fuori =
                cella_fuori(f, primo, x, file, punto) || cella_fuori(f, primo - 3, x, file, punto);
        }
    }
    if (fuori) return esito_riga::fine_lettura;
    const std::int32_t prima = f.codice_errore;
    f.memo_rallentamento(x, v, l, f_tt, f_ta, d_v);
    return dopo_memo(f, st, prima, x, punto);
}

esito_riga riga_abbattimento(Form1& f, stato_lettura& st) {
    lettore_campi& file = *st.file;
    const std::int32_t p = file.leggi_intero32();
    const punto_campo punto = file.punto();
    const std::int32_t w = file.leggi_intero32();
    const std::int64_t n = indice_di(p);
    if (fuori_portata(f, p, margine_treno, file, punto) || cella_fuori(f, n, p, file, punto)) {
        return esito_riga::fine_lettura;
    }
    cella& c = f.cella_in(n);
    if (!cella_libera(c)) return termina(f, st, errori::abbattimento_occupato, punto, p);
    if (w > 0) {
        c.tipo = tipo_cella::abbattimento;
        c.valore_1 = basso16(w);
    } else {
        c.tipo = tipo_cella::abbattimento_senza_valore;
    }
    return esito_riga::continua;
}

// The stop zone of a station by its kind.
void zona_di_fermata(riga_sim& r, std::int32_t lunghezza) {
    const std::int64_t posizione = r.posizione;
    switch (r.tipo) {
        case 5:
        case 6:
            r.fine = basso32(posizione + 150);
            r.inizio = basso32(posizione - lunghezza);
            r.dato_6 = 0;
            break;
        case 7:
        case 8:
            r.inizio = basso32(posizione - lunghezza);
            r.fine = basso32(posizione + lunghezza);
            r.dato_6 = 0;
            break;
        default:
            r.inizio = arrotonda_in<std::int32_t>(posizione - lunghezza / 2.0);
            r.fine =
                arrotonda_in<std::int32_t>(posizione + lunghezza / 2.0 + (r.dato_6 != 0 ? 50 : 0));
            break;
    }
}

void leggi_dati_stazione(lettore_campi& file, riga_sim& r) {
    r.dato_4 = file.leggi_byte();
    r.dato_5 = file.leggi_byte();
    r.dato_6 = file.leggi_byte();
    r.dato_7 = file.leggi_intero16();
    r.dato_8 = file.leggi_intero16();
    r.dato_9 = file.leggi_byte();
    r.dato_10 = file.leggi_intero16();
    r.dato_11 = file.leggi_intero16();
    r.dato_12 = file.leggi_intero16();
    r.dato_13 = file.leggi_byte();
    const std::int64_t ore = file.leggi_intero32();
    const std::int64_t minuti = file.leggi_intero32();
    const std::int64_t secondi = file.leggi_intero32();
    r.orario = basso32((ore * 60 + minuti) * 60 + secondi);
    r.nome = file.leggi_testo();
}

esito_riga riga_stazione(Form1& f, stato_lettura& st) {
    lettore_campi& file = *st.file;
    const std::int32_t numero = st.contatore_stazioni;
    riga_sim& r = f.riga(numero);
    r.posizione = file.leggi_intero32();
    const punto_campo punto = file.punto();
    const std::int32_t posizione = r.posizione;
    if (fuori_portata(f, posizione, margine_stazione, file, punto)) return esito_riga::fine_lettura;
    if (posizione % 50 != 0) return termina(f, st, errori::stazione_fuori_passo, punto, posizione);
    r.tipo = file.leggi_byte();
    const std::int32_t lunghezza = file.leggi_intero32();
    if (lunghezza % 100 != 0) {
        return termina(f, st, errori::lunghezza_stazione, file.punto(), posizione);
    }
    leggi_dati_stazione(file, r);
    zona_di_fermata(r, lunghezza);
    if (lunghezza < 600) r.dato_5 = 0;
    if (numero == 1) {
        r.dato_5 = 0;
        r.dato_6 = 0;
    }
    if (r.tipo < 25) {
        const double fermata = r.fine / 50.0 - 1.0;
        if (fermata > 1.0 &&
            cella_fuori(f, static_cast<std::int64_t>(arrotonda(fermata)), posizione, file, punto)) {
            return esito_riga::fine_lettura;
        }
        if (r.tipo != 5 && r.tipo != 6) {
            for (int k = 1; k <= 4; ++k) {
                const double x = fermata - k;
                if (x > 1.0) {
                    f.cella_in(static_cast<std::int64_t>(arrotonda(x))).preavviso =
                        static_cast<std::uint8_t>(80 + k);
                }
            }
        }
        if (!(fermata > 1.0)) return termina(f, st, errori::fermata_iniziale, punto);
        cella& c = f.cella_in(static_cast<std::int64_t>(arrotonda(fermata)));
        c.tipo = tipo_cella::fermata_stazione;
        c.valore_1 = basso16(numero);
    }
    if (numero > 1 && static_cast<std::int64_t>(r.inizio) - 350 < f.riga(numero - 1).fine) {
        return termina(f, st, errori::stazioni_vicine, punto, posizione);
    }
    st.contatore_stazioni = numero + 1;
    if (st.contatore_stazioni >= st.riga_cartello) {
        return termina(f, st, errori::troppe_stazioni, punto);
    }
    return esito_riga::continua;
}

esito_riga riga_massa_frenata(Form1& f, stato_lettura& st) {
    f.riga(84).inizio = st.file->leggi_intero32();
    return esito_riga::continua;
}

esito_riga riga_vetture(Form1& f, stato_lettura& st) {
    f.riga(84).posizione = st.file->leggi_intero32();
    return esito_riga::continua;
}

// A keyword line: its first field holds every word, compared without regard to case.
struct prova_treno {
    const char* parola;
    const char* altra;  // nullptr when one word is enough
    esito_riga (*leggi)(Form1&, stato_lettura&);
};

constexpr prova_treno prove_treno[] = {
    {"frenata", "massa", riga_massa_frenata},     {"vetture", nullptr, riga_vetture},
    {"velocit", nullptr, riga_velocita},          {"aderenza", nullptr, riga_aderenza},
    {"orologio", nullptr, riga_orologio},         {"sabbia", nullptr, riga_sabbia},
    {"segnale", nullptr, riga_segnale},           {"rallentamento", nullptr, riga_rallentamento},
    {"abbattimento", nullptr, riga_abbattimento}, {"stazione", nullptr, riga_stazione},
};

bool applica(const prova_treno& p, std::string_view campo) {
    return contiene_maiuscole_minuscole(campo, p.parola) &&
           (p.altra == nullptr || contiene_maiuscole_minuscole(campo, p.altra));
}

// Runs the ten tests on riga_letta, in order; several may apply.
esito_riga interpreta_riga(Form1& f, stato_lettura& st) {
    const std::string campo = f.riga_letta;
    for (const prova_treno& p : prove_treno) {
        if (!applica(p, campo)) continue;
        const esito_riga esito = p.leggi(f, st);
        if (esito != esito_riga::continua) return esito;
    }
    return esito_riga::continua;
}

// Close and delete, then speed and adhesion are carried on to the end of the line.
void fine_lettura(Form1& f, stato_lettura& st) {
    chiudi_e_cancella(f, st);
    riempi_celle(f, st.cursore_velocita, f.numero_celle - 2, &cella::vel_limite,
                 velocita_cella(st.velocita_in_vigore));
    riempi_celle(f, st.cursore_aderenza, f.numero_celle - 2, &cella::aderenza,
                 basso8(st.aderenza_in_vigore));
    for (int r = 81; r <= 83; ++r) {
        if (f.riga(r).inizio % 50 != 0 || f.riga(r).fine % 50 != 0) {
            registra_errore(f, errori::progressive_non_multiple,
                            luogo_del_file(sorgente::file_linea));
        }
    }
}

}  // namespace

void Form1::leggi_file_treno(stato_lettura& st) {
    const testo_sorgente& testo = ambiente->testo(sorgente::file_treno);
    if (!testo.byte) throw guasto(testo.motivo_assenza);
    st.file.emplace(*testo.byte, sorgente::file_treno);
    lettore_campi& file = *st.file;
    do {
        riga_letta = file.leggi_parola_chiave();
    } while (!contiene_maiuscole_minuscole(riga_letta, "[generale]") && !file.fine_file());
    st.cursore_velocita = 0;
    st.cursore_aderenza = 0;
    st.contatore_stazioni = 1;
    for (;;) {
        if (file.fine_file()) break;
        riga_letta = file.leggi_parola_chiave();
        if (file.fine_file()) break;
        if (salta_trattini(file, riga_letta, 2, true)) break;
        const esito_riga esito = interpreta_riga(*this, st);
        if (esito == esito_riga::esci) return;
        if (esito == esito_riga::fine_lettura) break;
    }
    fine_lettura(*this, st);
}
