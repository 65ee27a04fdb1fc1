#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "output/destinazione.h"

// Keeps the compiled files in memory, by name: for the tests and the editor.
class destinazione_memoria : public destinazione {
  public:
    destinazione_memoria();
    ~destinazione_memoria() override;
    destinazione_memoria(const destinazione_memoria&) = delete;
    destinazione_memoria& operator=(const destinazione_memoria&) = delete;

    flusso_uscita& apri(const std::string& nome) override;
    void conferma() override;

    // The confirmed files; empty until `conferma`.
    const std::map<std::string, std::string>& file() const { return confermati_; }

  private:
    class flusso;
    std::vector<std::unique_ptr<flusso>> aperti_;
    std::map<std::string, std::string> confermati_;
};
