#pragma once

#include <cstdint>
#include <string>

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
    void byte(const std::string& testo) { uscita_.append(testo); }

  private:
    std::string& uscita_;
};
