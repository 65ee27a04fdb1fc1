#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// A new file of a unique name next to `destinazione`, open for writing, with the
// permissions a file created by the user gets. Closed when the object goes away; the
// file itself stays until `sostituisci_file` moves it or it is deleted.
class file_nuovo {
  public:
    explicit file_nuovo(const std::string& destinazione);
    ~file_nuovo();
    file_nuovo(const file_nuovo&) = delete;
    file_nuovo& operator=(const file_nuovo&) = delete;

    // `destinazione` is the name the errors give.
    void scrivi(const void* dati, std::size_t n);
    void scrivi_in(std::uint64_t posizione, const void* dati, std::size_t n);
    // Flushes and closes; a failure is reported here, not lost.
    void chiudi();

    const std::string& percorso() const { return percorso_; }

  private:
    [[noreturn]] void fallisci(const std::string& cosa, long codice) const;

    std::string destinazione_;
    std::string percorso_;
    std::intptr_t maniglia_;  // a descriptor, or a HANDLE on Windows
};

// Puts `nuovo` in place of `destinazione` in one step: a reader sees the old file or the
// new one, never a mix. A destination another program holds open is a fault, and the old
// file stays as it was.
void sostituisci_file(const std::string& nuovo, const std::string& destinazione);
