#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// A file being written. Every byte goes straight to the system: nothing is kept back in
// the program, so once `chiudi` returns the file is whole for any other process.
class file_in_scrittura {
  public:
    virtual ~file_in_scrittura() = default;
    virtual void scrivi(const void* dati, std::size_t n) = 0;
    virtual void scrivi_in(std::uint64_t posizione, const void* dati, std::size_t n) = 0;
    // Hands the last bytes to the system and closes; a failure is reported here, not lost.
    virtual void chiudi() = 0;
};

// The operations that replace a set of files in a folder, by full path. The output folder's
// commit goes only through them, so that a test can make any one of them fail.
class operazioni_file {
  public:
    virtual ~operazioni_file() = default;
    enum class tipo { assente, file, cartella };

    // A new file that did not exist; null when the name is taken. Its errors name it as
    // `nome_negli_errori`, the name the user knows.
    virtual std::unique_ptr<file_in_scrittura> crea_nuovo(const std::string& percorso,
                                                          const std::string& nome_negli_errori) = 0;
    // What the name is, not following a link: a link is a file of its own here.
    virtual tipo tipo_di(const std::string& percorso) = 0;
    // Moves `da` onto `a` in one step, replacing what `a` was.
    virtual void rinomina(const std::string& da, const std::string& a) = 0;
    // Gives the file `esistente` the second name `nuovo`; false where the file system has
    // no such links.
    virtual bool collega(const std::string& esistente, const std::string& nuovo) = 0;
    // Deletes a file; one already gone is no fault.
    virtual void cancella(const std::string& percorso) = 0;
    // The names (not paths) in a folder, hidden ones included.
    virtual std::vector<std::string> elenca(const std::string& cartella) = 0;
    virtual std::string leggi(const std::string& percorso) = 0;
};

// The operating system's.
operazioni_file& operazioni_di_sistema();
