#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "model/guasto.h"

// A compiled file that does not fit its layout. Says which record and which byte.
class formato_errato : public guasto {
  public:
    formato_errato(const std::string& record, std::size_t byte, const std::string& problema);
};

// Reads little-endian fields one after the other, so that a file ending too early is
// reported with the record, the field and the byte where it ends.
class lettore_le {
  public:
    explicit lettore_le(std::string_view dati) : dati_(dati) {}

    // Names the record the next fields belong to, e.g. "riga 12".
    void inizia_record(std::string nome) { record_ = std::move(nome); }

    std::uint8_t u8(std::string_view campo);
    std::uint16_t u16(std::string_view campo);
    std::int16_t i16(std::string_view campo) { return static_cast<std::int16_t>(u16(campo)); }
    std::int32_t i32(std::string_view campo);
    double f64(std::string_view campo);
    std::string byte(std::size_t n, std::string_view campo);

    std::size_t posizione() const { return posizione_; }
    std::size_t restanti() const { return dati_.size() - posizione_; }
    bool finito() const { return restanti() == 0; }

    // Reports a problem at byte `byte` of the current record.
    [[noreturn]] void fallisci(std::size_t byte, const std::string& problema) const;

  private:
    const unsigned char* prendi(std::size_t n, std::string_view campo);

    std::string_view dati_;
    std::size_t posizione_ = 0;
    std::string record_;
};
