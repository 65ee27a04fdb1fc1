#include "driver/ritardo_prova.h"

#include <charconv>

std::optional<std::chrono::milliseconds> leggi_ritardo(std::string_view testo) {
    int ms = 0;
    const auto [fine, errore] = std::from_chars(testo.data(), testo.data() + testo.size(), ms);
    if (errore != std::errc{} || fine != testo.data() + testo.size() || ms < 0 || ms > 60000) {
        return std::nullopt;
    }
    return std::chrono::milliseconds(ms);
}
