#include <array>

#include "model/form1.h"

namespace {

struct terna {
    std::int32_t inizio = 0;
    std::int32_t fine = 0;
    std::int32_t posizione = 0;
};

using scelta = std::array<terna, 3>;

// Order when no reference has a start value: the one with a positive end leads.
scelta ordina_senza_inizio(const terna& tre, const terna& due, const terna& uno) {
    scelta risultato{};
    if (tre.fine > 0) risultato = {tre, due, uno};
    if (due.fine > 0) risultato = {due, tre, uno};
    if (uno.fine > 0) risultato = {uno, due, tre};
    return risultato;
}

// Descending by start; a shared greatest start cannot be ordered and clears all three.
// Equal starts among the other two keep the lower-numbered reference first.
scelta ordina_per_inizio(const terna& tre, const terna& due, const terna& uno) {
    const terna* capo = nullptr;
    const terna* altri[2]{};
    if (tre.inizio > due.inizio && tre.inizio > uno.inizio) {
        capo = &tre;
        altri[0] = &uno;
        altri[1] = &due;
    } else if (due.inizio > tre.inizio && due.inizio > uno.inizio) {
        capo = &due;
        altri[0] = &uno;
        altri[1] = &tre;
    } else if (uno.inizio > tre.inizio && uno.inizio > due.inizio) {
        capo = &uno;
        altri[0] = &due;
        altri[1] = &tre;
    } else {
        return {};
    }
    if (altri[1]->inizio > altri[0]->inizio) std::swap(altri[0], altri[1]);
    return {*capo, *altri[0], *altri[1]};
}

}  // namespace

void Form1::progressive_ordina() {
    auto leggi = [this](int r) {
        const riga_sim& x = riga(r);
        return terna{x.inizio, x.fine, x.posizione};
    };
    const terna tre = leggi(81), due = leggi(82), uno = leggi(83);
    const std::int32_t somma = static_cast<std::int32_t>(static_cast<std::uint32_t>(tre.inizio) +
                                                         static_cast<std::uint32_t>(due.inizio) +
                                                         static_cast<std::uint32_t>(uno.inizio));
    const scelta nuove =
        somma == 0 ? ordina_senza_inizio(tre, due, uno) : ordina_per_inizio(tre, due, uno);
    for (int r = 0; r < 3; ++r) {
        riga_sim& x = riga(81 + r);
        const terna& t = nuove[static_cast<std::size_t>(r)];
        x.inizio = t.inizio;
        x.fine = t.posizione == 1
                     ? static_cast<std::int32_t>(static_cast<std::uint32_t>(t.fine) + 100)
                     : t.fine;
        x.posizione = t.posizione;
    }
}
