#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "compilazione/reperto.h"

// Reads a scenario text file field by field. Fields are separated by commas and line ends
// (CR LF, LF or CR); blanks are spaces and tabs. Asking for a field that is not there is a
// fault, as is a number that is not a plain decimal integer of the width asked for.
class lettore_campi {
  public:
    // Where a field started, cheap to keep; resolved to a source line only when reported.
    struct punto_campo {
        std::int32_t riga = 0;
        std::size_t inizio_riga = 0;
        std::size_t inizio_campo = 0;
    };

    // The text is not copied: it must outlive the reader.
    lettore_campi(std::string_view contenuto, sorgente origine);
    lettore_campi(std::string&&, sorgente) = delete;

    bool fine_file() const { return pos_ == dati_.size(); }

    std::string leggi_testo();
    // The first field of a line, whose keyword tests decide what the line is.
    std::string leggi_parola_chiave();
    std::int32_t leggi_intero32();
    std::int16_t leggi_intero16();
    std::uint8_t leggi_byte();

    // Where the last field read started.
    punto_campo punto() const { return {riga_campo_, inizio_riga_campo_, inizio_campo_}; }
    luogo_sorgente luogo(punto_campo punto) const;
    luogo_sorgente luogo_ultimo_campo() const { return luogo(punto()); }
    sorgente origine() const { return origine_; }

    // Where the last keyword started, and how many fields have been read after it.
    punto_campo punto_parola_chiave() const { return parola_chiave_; }
    std::size_t campi_dopo_parola_chiave() const { return campi_dopo_parola_; }
    // The end of the keyword's line, for a finding about values that are missing there.
    luogo_sorgente fine_riga_parola_chiave() const;

  private:
    std::int64_t leggi_numero(std::int64_t minimo, std::int64_t massimo);
    void inizia_campo();
    void salta_spazi();
    bool a_fine_riga() const;
    void consuma_fine_riga();

    std::string_view dati_;
    sorgente origine_;
    std::size_t pos_ = 0;
    std::int32_t riga_ = 1;
    std::size_t inizio_riga_ = 0;
    std::int32_t riga_campo_ = 0;
    std::size_t inizio_riga_campo_ = 0;
    std::size_t inizio_campo_ = 0;
    punto_campo parola_chiave_;
    std::size_t campi_dopo_parola_ = 0;
};

// ASCII letters only: the scenario texts are Windows-1252, whose other letters the readers
// compare as they are.
constexpr char minuscola_ascii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}
constexpr char maiuscola_ascii(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

// Keyword tests: a field contains a word when the word occurs anywhere in it.
bool contiene(std::string_view campo, std::string_view parola);
// The same, with the ASCII letters compared without regard to case.
bool contiene_maiuscole_minuscole(std::string_view campo, std::string_view parola);
