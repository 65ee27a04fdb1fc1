#pragma once

#include <string>

// A private folder that is removed with everything in it when the object goes away.
class cartella_temporanea {
  public:
    cartella_temporanea();
    ~cartella_temporanea();
    cartella_temporanea(const cartella_temporanea&) = delete;
    cartella_temporanea& operator=(const cartella_temporanea&) = delete;

    const std::string& percorso() const { return percorso_; }

  private:
    std::string percorso_;
};
