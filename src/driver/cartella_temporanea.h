#pragma once

#include <string>

// A private folder that is removed with everything in it when the object goes away.
class cartella_temporanea {
  public:
    // Made in `base`, or in $TMPDIR (else /tmp) when `base` is empty.
    explicit cartella_temporanea(const std::string& base = {});
    ~cartella_temporanea();
    cartella_temporanea(const cartella_temporanea&) = delete;
    cartella_temporanea& operator=(const cartella_temporanea&) = delete;

    const std::string& percorso() const { return percorso_; }
    std::string file(const std::string& nome) const { return percorso_ + "/" + nome; }

  private:
    std::string percorso_;
};

// The folder temporary files go to: $TMPDIR, else /tmp.
std::string cartella_temporanea_di_sistema();
