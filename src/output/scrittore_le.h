#pragma once

#include <cstdint>
#include <cstring>
#include <string>

#include "model/profilo.h"

// Appends values to a byte buffer in little-endian order, field by field.
class scrittore_le {
  public:
    explicit scrittore_le(std::string& uscita) : uscita_(uscita) {}

    void u8(std::uint8_t v) { uscita_.push_back(static_cast<char>(v)); }
    void u16(std::uint16_t v) {
        u8(static_cast<std::uint8_t>(v));
        u8(static_cast<std::uint8_t>(v >> 8));
    }
    void i16(std::int16_t v) { u16(static_cast<std::uint16_t>(v)); }
    void u32(std::uint32_t v) {
        u16(static_cast<std::uint16_t>(v));
        u16(static_cast<std::uint16_t>(v >> 16));
    }
    void i32(std::int32_t v) { u32(static_cast<std::uint32_t>(v)); }
    void f64(double v) {
        std::uint64_t bit = 0;
        std::memcpy(&bit, &v, sizeof bit);
        u32(static_cast<std::uint32_t>(bit));
        u32(static_cast<std::uint32_t>(bit >> 32));
    }
    void byte(const std::string& testo) { uscita_.append(testo); }
    // A general value: its 16-bit type tag, then its value.
    void elemento(tipo_elemento tipo, double valore) {
        u16(static_cast<std::uint16_t>(tipo));
        if (tipo == tipo_elemento::intero16) i16(static_cast<std::int16_t>(valore));
        if (tipo == tipo_elemento::doppio) f64(valore);
    }

  private:
    std::string& uscita_;
};
