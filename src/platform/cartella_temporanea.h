#pragma once

#include <string>

// A private folder that is removed with everything in it when the object goes away.
class cartella_temporanea {
  public:
    // Made in `base`, or in the system's temporary folder when `base` is empty.
    explicit cartella_temporanea(const std::string& base = {});
    ~cartella_temporanea();
    cartella_temporanea(const cartella_temporanea&) = delete;
    cartella_temporanea& operator=(const cartella_temporanea&) = delete;

    const std::string& percorso() const { return percorso_; }
    std::string file(const std::string& nome) const;

  private:
    std::string percorso_;
};

// The folder temporary files go to: $TMPDIR, else /tmp; on Windows, GetTempPathW's.
std::string cartella_temporanea_di_sistema();

// Makes a new folder of a unique name starting with `prefisso` inside `base`.
std::string crea_cartella_unica(const std::string& base, const std::string& prefisso);

// Removes a folder and everything in it, giving the folder back its write permission
// first; what cannot be removed is left.
void rimuovi_albero(const std::string& percorso) noexcept;
