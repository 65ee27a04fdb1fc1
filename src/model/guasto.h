#pragma once

#include <stdexcept>
#include <string>

// A run-time fault: bad input the readers cannot take, an index outside the model,
// a file that cannot be read or written. Carries what failed.
class guasto : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Raised by `errore`: the run ends with " Errore n. " and the code, nothing after it runs.
class errore_fatale : public std::runtime_error {
  public:
    explicit errore_fatale(std::string codice)
        : std::runtime_error(" Errore n. " + codice), codice_(std::move(codice)) {}
    const std::string& codice() const { return codice_; }

  private:
    std::string codice_;
};

// The readers stopped before the cells were created: nothing can be compiled.
class modello_non_creato : public guasto {
  public:
    explicit modello_non_creato(int codice)
        : guasto("il file di linea non ha creato le celle (errore " + std::to_string(codice) + ")"),
          codice_(codice) {}
    int codice() const { return codice_; }

  private:
    int codice_;
};
