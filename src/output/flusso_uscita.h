#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

// One compiled file on its way to a destination. Large files arrive a block at a time, and a
// file built in more than one stream (the profile's two columns) writes each at its place.
class flusso_uscita {
  public:
    virtual ~flusso_uscita() = default;
    virtual void scrivi(const void* dati, std::size_t n) = 0;
    virtual void scrivi_in(std::uint64_t posizione, const void* dati, std::size_t n) = 0;
    void scrivi(std::string_view testo) { scrivi(testo.data(), testo.size()); }
};
