#include "avvisi/nomi_avvisi.h"

namespace avvisi {

std::span<const std::string_view> tutti() {
    static constexpr std::string_view nomi[] = {
        parola_sconosciuta, sezione_sbagliata, numero_valori,   nome_stazione, ordine,
        curve_sovrapposte,  negativo,          fuori_passo,     bit_bassi,     generale_mancante,
        file_vuoto,         non_raggiunto,     utf16_senza_bom, codifica};
    return nomi;
}

}  // namespace avvisi
