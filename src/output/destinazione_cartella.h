#pragma once

#include <memory>
#include <string>
#include <vector>

#include "output/destinazione.h"
#include "output/file_atomico.h"

// Writes the compiled files into a folder on disk. Each goes to a temporary file beside its
// name; `conferma` renames them over their names, so a run that fails before it leaves the
// files of an earlier run as they were.
class destinazione_cartella : public destinazione {
  public:
    explicit destinazione_cartella(std::string cartella) : cartella_(std::move(cartella)) {}
    flusso_uscita& apri(const std::string& nome) override;
    void conferma() override;

  private:
    std::string cartella_;
    std::vector<std::unique_ptr<file_atomico>> file_;
};
