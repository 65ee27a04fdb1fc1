#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "output/flusso_uscita.h"
#include "platform/file_nuovo.h"

// Replaces a file whole or not at all: the bytes go to a temporary file in the same
// folder, which is renamed over the target only when everything was written and closed.
// A file never committed is removed when the object goes away.
class file_atomico : public flusso_uscita {
  public:
    explicit file_atomico(std::string percorso);
    ~file_atomico() override;
    file_atomico(const file_atomico&) = delete;
    file_atomico& operator=(const file_atomico&) = delete;

    // Appends the bytes. Callers hand over large blocks: nothing is buffered here.
    void scrivi(const void* dati, std::size_t n) override;
    using flusso_uscita::scrivi;
    // Writes the bytes at a place of their own, for a file built in more than one stream.
    void scrivi_in(std::uint64_t posizione, const void* dati, std::size_t n) override;
    // Closes the temporary file; a failure here leaves the target untouched.
    void completa();
    // Completes when needed, then renames the temporary file over the target.
    void conferma();

    const std::string& percorso() const { return percorso_; }

  private:
    std::string percorso_;
    std::optional<file_nuovo> file_;  // empty once committed
};

// Writes a whole file atomically in one call.
void scrivi_file_intero(const std::string& percorso, std::string_view contenuto);
