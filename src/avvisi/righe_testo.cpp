#include "avvisi/righe_testo.h"

#include <limits>

namespace {

bool spazio(char c) {
    return c == ' ' || c == '\t';
}

class scansione {
  public:
    explicit scansione(std::string_view t) : t_(t) {}

    bool fine() {
        salta_spazi();
        return pos_ >= t_.size();
    }
    std::size_t posizione() const { return pos_; }
    void vai(std::size_t p) { pos_ = p; }

    campo_letto testo() {
        salta_spazi();
        const std::size_t inizio = pos_;
        while (pos_ < t_.size() && t_[pos_] != ',') ++pos_;
        std::size_t fine = pos_;
        while (fine > inizio && spazio(t_[fine - 1])) --fine;
        campo_letto c{t_.substr(inizio, fine - inizio), colonna(inizio), std::nullopt, true,
                      pos_ < t_.size()};
        if (pos_ < t_.size()) ++pos_;
        return c;
    }

    campo_letto numero(larghezza_valore larghezza) {
        salta_spazi();
        const std::size_t inizio = pos_;
        while (pos_ < t_.size() && t_[pos_] != ',' && !spazio(t_[pos_])) ++pos_;
        campo_letto c{t_.substr(inizio, pos_ - inizio), colonna(inizio), std::nullopt, true,
                      pos_ < t_.size() && t_[pos_] == ','};
        c.numero = come_numero(c.testo);
        c.nella_larghezza = c.numero && dentro(*c.numero, larghezza);
        salta_spazi();
        if (pos_ < t_.size() && t_[pos_] == ',') ++pos_;
        return c;
    }

  private:
    static std::optional<std::int64_t> come_numero(std::string_view token) {
        std::size_t i = 0;
        bool negativo = false;
        if (!token.empty() && (token[0] == '+' || token[0] == '-')) {
            negativo = token[0] == '-';
            i = 1;
        }
        if (i == token.size() || token.size() - i > 15) return std::nullopt;
        std::int64_t v = 0;
        for (; i < token.size(); ++i) {
            if (token[i] < '0' || token[i] > '9') return std::nullopt;
            v = v * 10 + (token[i] - '0');
        }
        return negativo ? -v : v;
    }
    static bool dentro(std::int64_t v, larghezza_valore larghezza) {
        switch (larghezza) {
            case larghezza_valore::byte:
                return v >= 0 && v <= 255;
            case larghezza_valore::intero16:
                return v >= std::numeric_limits<std::int16_t>::min() &&
                       v <= std::numeric_limits<std::int16_t>::max();
            case larghezza_valore::intero32:
            case larghezza_valore::testo:
                return v >= std::numeric_limits<std::int32_t>::min() &&
                       v <= std::numeric_limits<std::int32_t>::max();
        }
        return false;
    }
    void salta_spazi() {
        while (pos_ < t_.size() && spazio(t_[pos_])) ++pos_;
    }
    std::int32_t colonna(std::size_t p) const { return static_cast<std::int32_t>(p + 1); }

    std::string_view t_;
    std::size_t pos_ = 0;
};

}  // namespace

std::vector<riga_testo> righe_di(std::string_view testo) {
    std::vector<riga_testo> righe;
    std::size_t inizio = 0;
    std::int32_t numero = 1;
    while (inizio < testo.size()) {
        std::size_t fine = inizio;
        while (fine < testo.size() && testo[fine] != '\r' && testo[fine] != '\n') ++fine;
        righe.push_back(
            {testo.data() + inizio, numero++, static_cast<std::uint32_t>(fine - inizio)});
        if (fine < testo.size() && testo[fine] == '\r' && fine + 1 < testo.size() &&
            testo[fine + 1] == '\n') {
            ++fine;
        }
        inizio = fine + 1;
    }
    return righe;
}

campo_letto primo_campo(const riga_testo& riga) {
    scansione s(riga.testo());
    return s.testo();
}

void valori_di(const riga_testo& riga, std::span<const descrizione_valore> attesi, valori_riga& v) {
    v.valori.clear();
    v.in_piu.clear();
    scansione s(riga.testo());
    s.testo();
    for (const descrizione_valore& d : attesi) {
        if (s.fine()) return;
        v.valori.push_back(d.larghezza == larghezza_valore::testo ? s.testo()
                                                                  : s.numero(d.larghezza));
    }
    while (!s.fine()) v.in_piu.push_back(s.testo());
}
