#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "model/tipo_elemento.h"

// Writes values in little-endian order, field by field, into memory the caller has made
// room for. Integers reach bytes through this conversion only, never as a struct's memory.
class scrittore_le {
  public:
    explicit scrittore_le(unsigned char* dove) : dove_(dove) {}
    // Appends to a buffer: `n` is the room the fields written through this writer take.
    scrittore_le(std::string& uscita, std::size_t n) : dove_(in_coda(uscita, n)) {}

    void u8(std::uint8_t v) { *dove_++ = v; }
    void u16(std::uint16_t v) { metti(v); }
    void i16(std::int16_t v) { u16(static_cast<std::uint16_t>(v)); }
    void u32(std::uint32_t v) { metti(v); }
    void i32(std::int32_t v) { u32(static_cast<std::uint32_t>(v)); }
    void f64(double v) { metti(std::bit_cast<std::uint64_t>(v)); }
    void byte(std::string_view testo) {
        std::memcpy(dove_, testo.data(), testo.size());
        dove_ += testo.size();
    }
    // A general value: its 16-bit type tag, then the value in the width the tag gives.
    void elemento(tipo_elemento tipo, double valore) {
        u16(static_cast<std::uint16_t>(tipo));
        if (tipo == tipo_elemento::intero16) {
            i16(static_cast<std::int16_t>(valore));
        } else if (tipo == tipo_elemento::doppio) {
            f64(valore);
        }
    }

    unsigned char* dove() const { return dove_; }

  private:
    static unsigned char* in_coda(std::string& uscita, std::size_t n) {
        const std::size_t inizio = uscita.size();
        uscita.resize(inizio + n);
        return reinterpret_cast<unsigned char*>(uscita.data() + inizio);
    }

    template <typename T>
    void metti(T v) {
        if constexpr (std::endian::native == std::endian::little) {
            std::memcpy(dove_, &v, sizeof v);
        } else {
            for (std::size_t i = 0; i < sizeof v; ++i)
                dove_[i] = static_cast<unsigned char>(v >> (8 * i));
        }
        dove_ += sizeof v;
    }

    unsigned char* dove_;
};
