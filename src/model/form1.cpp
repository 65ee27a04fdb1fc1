#include "model/form1.h"

#include <string>

#include "model/guasto.h"
#include "model/numeri.h"

cella& Form1::cella_in(std::int64_t indice) {
    return const_cast<cella&>(static_cast<const Form1&>(*this).cella_in(indice));
}

const cella& Form1::cella_in(std::int64_t indice) const {
    if (indice < 0 || indice >= static_cast<std::int64_t>(celle.size())) {
        throw guasto("cella " + std::to_string(indice) + " fuori dalle celle 0.." +
                     std::to_string(static_cast<std::int64_t>(celle.size()) - 1));
    }
    return celle[static_cast<std::size_t>(indice)];
}

riga_sim& Form1::riga(std::int64_t indice) {
    if (indice < 0 || indice >= righe_tabella_sim) {
        throw guasto("riga " + std::to_string(indice) + " fuori dalla tabella 0..86");
    }
    return tabella_sim[static_cast<std::size_t>(indice)];
}

void Form1::crea_modello(std::int32_t lunghezza) {
    lunghezza_estesa = lunghezza + 7000;
    numero_celle = arrotonda_in<std::int32_t>(lunghezza_estesa / 50.0);
    celle.assign(static_cast<std::size_t>(numero_celle) + 1, cella{});
    if (flag_j != 0) profilo_linea.crea(lunghezza_estesa);
}
