#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "output/flusso_uscita.h"
#include "platform/file_cartella.h"
#include "platform/interruzioni.h"

// Replaces a file whole or not at all: the bytes go to a temporary file of a short name in
// the same folder, which is renamed over the target only when everything was written and
// closed. A file never committed is removed when the object goes away, or when the run is
// interrupted.
class file_atomico : public flusso_uscita {
  public:
    explicit file_atomico(std::string percorso, operazioni_file& op = operazioni_di_sistema());
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
    operazioni_file& op_;
    std::string percorso_;
    std::string temporaneo_;  // empty once committed
    std::unique_ptr<da_cancellare_se_interrotto> registrazione_;
    std::unique_ptr<file_in_scrittura> file_;
};

// Writes a whole file atomically in one call.
void scrivi_file_intero(const std::string& percorso, std::string_view contenuto);
