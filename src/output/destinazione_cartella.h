#pragma once

#include <chrono>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "output/destinazione.h"
#include "platform/blocco_cartella.h"
#include "platform/file_cartella.h"

// Writes the compiled files into a folder on disk as one set: each goes to a temporary file
// of its own, and `conferma` puts them all in place of the old ones, or none (see
// conferma_insieme.h). From the first file to the end of the commit the run holds the
// folder's lock, and before its first file it puts right what an interrupted run left there.
// Files never confirmed are removed when the object goes away.
class destinazione_cartella : public destinazione {
  public:
    static constexpr std::chrono::milliseconds attesa_predefinita{30000};

    explicit destinazione_cartella(std::string cartella,
                                   operazioni_file& op = operazioni_di_sistema(),
                                   std::chrono::milliseconds attesa_blocco = attesa_predefinita);
    ~destinazione_cartella() override;
    destinazione_cartella(const destinazione_cartella&) = delete;
    destinazione_cartella& operator=(const destinazione_cartella&) = delete;

    // Takes the folder's lock and puts right what an earlier run left; the first file does
    // it when it was not done before. The lock is held until the object goes away.
    void prepara();
    flusso_uscita& apri(const std::string& nome) override;
    void conferma() override;

  private:
    class file_temporaneo;

    std::string cartella_;
    operazioni_file& op_;
    std::chrono::milliseconds attesa_blocco_;
    std::optional<blocco_cartella> blocco_;
    std::vector<std::unique_ptr<file_temporaneo>> file_;
};
