// The code assignment pass: reductions to code 180 around slowdowns and signals.
#include <cstdint>

#include "compilazione/registra_reperto.h"
#include "model/codici_errore.h"
#include "model/form1.h"

namespace {

constexpr std::int16_t codice_ridotto = 180;
constexpr std::int16_t velocita_limite = 110;
constexpr std::int64_t distanza_avviso = 20;
constexpr std::int64_t primo_segnale = 3;
constexpr std::int64_t passo_percorso = 8;
constexpr std::int64_t estensione_ricerca = 12;

// Cells beyond the last one count as occupied, not signals and not end cells.
std::uint8_t tipo_di(const Form1& f, std::int64_t i) {
    return i > f.numero_celle ? 255 : f.cella_in(i).tipo;
}

bool libera(const Form1& f, std::int64_t i) {
    return i <= f.numero_celle && cella_libera(f.cella_in(i));
}

void metti_abbattimento(Form1& f, std::int64_t i) {
    cella& c = f.cella_in(i);
    c.tipo = tipo_cella::abbattimento;
    c.valore_1 = codice_ridotto;
}

void registra(Form1& f, std::int32_t codice, std::int64_t cella) {
    registra_errore(f, codice, luogo_sorgente{}, static_cast<std::int32_t>(cella * 50));
}

// The first free cell of a distance group before a slowdown start gets a reduction.
void gruppo_distanza(Form1& f, std::int64_t i, std::int64_t vicina) {
    if (i <= vicina + 2) return;
    for (std::int64_t d = vicina; d <= vicina + 2; ++d) {
        if (libera(f, i - d)) {
            metti_abbattimento(f, i - d);
            return;
        }
    }
    registra(f, errori::abbattimento_prima_rallentamento, i);
}

// Walks the slowdown, a reduction every 8 cells; returns the end cell it reached.
std::int64_t percorri_rallentamento(Form1& f, std::int64_t i) {
    std::int64_t n = 0;
    std::int64_t k = i;
    do {
        ++k;
        ++n;
        if (n == passo_percorso) {
            if (libera(f, k)) {
                metti_abbattimento(f, k);
                n = 0;
            } else if (libera(f, k - 1)) {
                metti_abbattimento(f, k - 1);
                n = 1;
            } else if (libera(f, k + 1)) {
                metti_abbattimento(f, k + 1);
                n = -1;
            } else {
                registra(f, errori::abbattimento_nel_rallentamento, k);
            }
        }
    } while (tipo_di(f, k) != tipo_cella::fine_rallentamento && k < f.numero_celle);
    return k;
}

// A reduction in front of the first signal within 12 cells after the slowdown's end.
void dopo_la_fine(Form1& f, std::int64_t k) {
    std::int64_t s = 0;
    for (std::int64_t m = k; m <= k + estensione_ricerca; ++m) {
        if (tipo_di(f, m) == tipo_cella::segnale) {
            s = m - 1;
            break;
        }
    }
    if (s <= 0) return;
    if (libera(f, s)) {
        metti_abbattimento(f, s);
    } else if (libera(f, s - 1)) {
        metti_abbattimento(f, s - 1);
    } else {
        registra(f, errori::abbattimento_nel_rallentamento, k);
    }
}

}  // namespace

// Rule A: every signal among the 20 cells before a warning cell gets a reduction in front.
void Form1::regola_a(std::int64_t i) {
    for (std::int64_t k = 1; k <= distanza_avviso; ++k) {
        const std::int64_t d = i - k;
        if (d < primo_segnale) return;
        if (cella_in(d).tipo != tipo_cella::segnale) continue;
        cella& t1 = cella_in(d - 1);
        cella& t2 = cella_in(d - 2);
        if (cella_libera(t1)) {
            metti_abbattimento(*this, d - 1);
        } else if (cella_libera(t2)) {
            metti_abbattimento(*this, d - 2);
        } else if (t1.tipo == tipo_cella::abbattimento) {
            t1.valore_1 = minimo(codice_ridotto, t1.valore_1);
        } else if (t2.tipo == tipo_cella::abbattimento) {
            t2.valore_1 = minimo(codice_ridotto, t2.valore_1);
        } else {
            registra(*this, errori::abbattimento_segnale, d);
        }
    }
}

// Rule B: a slowdown start gets reductions at three distances before it and, below 110,
// through the slowdown and in front of the first signal after its end.
void Form1::regola_b(std::int64_t i) {
    gruppo_distanza(*this, i, 5);
    gruppo_distanza(*this, i, 11);
    gruppo_distanza(*this, i, 18);
    if (cella_in(i).valore_1 >= velocita_limite) return;
    dopo_la_fine(*this, percorri_rallentamento(*this, i));
}

void Form1::assegna_codici() {
    const std::int64_t ultima = numero_celle - 2;
    for (std::int64_t i = 1; i <= ultima; ++i) {
        if (cella_in(i).tipo == tipo_cella::avviso_rallentamento) regola_a(i);
        if (cella_in(i).tipo == tipo_cella::inizio_rallentamento) regola_b(i);
    }
}
