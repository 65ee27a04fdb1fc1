#pragma once

#include <functional>
#include <string>

#include "output/destinazione.h"

// Passes to another destination only the files a rule accepts; the others are declined, so
// the compilation does not even encode them. Several compilations that share a file (the
// line's profile) let one of them write it.
class destinazione_filtrata : public destinazione {
  public:
    destinazione_filtrata(destinazione& interna, std::function<bool(const std::string&)> accetta)
        : interna_(interna), accetta_(std::move(accetta)) {}
    flusso_uscita& apri(const std::string& nome) override { return interna_.apri(nome); }
    bool vuole(const std::string& nome) const override {
        return accetta_(nome) && interna_.vuole(nome);
    }
    void conferma() override { interna_.conferma(); }

  private:
    destinazione& interna_;
    std::function<bool(const std::string&)> accetta_;
};
