#pragma once

#include <memory>
#include <string>
#include <vector>

#include "output/destinazione.h"

// Takes the compiled files and keeps nothing: a compilation that only checks.
class destinazione_scarto : public destinazione {
  public:
    flusso_uscita& apri(const std::string& nome) override;
    void conferma() override {}

  private:
    class flusso : public flusso_uscita {
      public:
        using flusso_uscita::scrivi;
        void scrivi(const void*, std::size_t) override {}
        void scrivi_in(std::uint64_t, const void*, std::size_t) override {}
    };
    flusso flusso_;
};
