#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "platform/file_cartella.h"
#include "platform/posix/errore_sistema.h"

namespace {

// Read once: the mask cannot be read without setting it, and nothing here changes it.
mode_t permessi_nuovi_file() {
    static const mode_t permessi = [] {
        const mode_t maschera = ::umask(0);
        ::umask(maschera);
        return static_cast<mode_t>(0666 & ~maschera);
    }();
    return permessi;
}

class file_posix : public file_in_scrittura {
  public:
    file_posix(int fd, std::string percorso) : fd_(fd), percorso_(std::move(percorso)) {}
    ~file_posix() override {
        if (fd_ >= 0) ::close(fd_);
    }
    file_posix(const file_posix&) = delete;
    file_posix& operator=(const file_posix&) = delete;

    void scrivi(const void* dati, std::size_t n) override {
        const char* byte = static_cast<const char*>(dati);
        while (n > 0) {
            const ssize_t scritti = ::write(fd_, byte, n);
            if (scritti < 0 && errno == EINTR) continue;
            if (scritti < 0) fallisci_posix("impossibile scrivere", percorso_, errno);
            byte += scritti;
            n -= static_cast<std::size_t>(scritti);
        }
    }

    void scrivi_in(std::uint64_t posizione, const void* dati, std::size_t n) override {
        const char* byte = static_cast<const char*>(dati);
        while (n > 0) {
            const ssize_t scritti = ::pwrite(fd_, byte, n, static_cast<off_t>(posizione));
            if (scritti < 0 && errno == EINTR) continue;
            if (scritti < 0) fallisci_posix("impossibile scrivere", percorso_, errno);
            byte += scritti;
            posizione += static_cast<std::uint64_t>(scritti);
            n -= static_cast<std::size_t>(scritti);
        }
    }

    void chiudi() override {
        if (fd_ < 0) return;
        const int fd = fd_;
        fd_ = -1;
        if (::close(fd) != 0) fallisci_posix("impossibile scrivere", percorso_, errno);
    }

  private:
    int fd_;
    std::string percorso_;
};

class operazioni_posix : public operazioni_file {
  public:
    std::unique_ptr<file_in_scrittura> crea_nuovo(const std::string& percorso,
                                                  const std::string& nome_negli_errori) override {
        const int fd = ::open(percorso.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC,
                              permessi_nuovi_file());
        if (fd < 0 && errno == EEXIST) return nullptr;
        if (fd < 0) fallisci_posix("impossibile creare", percorso, errno);
        return std::make_unique<file_posix>(fd, nome_negli_errori);
    }

    tipo tipo_di(const std::string& percorso) override {
        struct stat info {};
        if (::lstat(percorso.c_str(), &info) != 0) return tipo::assente;
        return S_ISDIR(info.st_mode) ? tipo::cartella : tipo::file;
    }

    void rinomina(const std::string& da, const std::string& a) override {
        if (std::rename(da.c_str(), a.c_str()) != 0) {
            fallisci_posix("impossibile sostituire", a, errno);
        }
    }

    bool collega(const std::string& esistente, const std::string& nuovo) override {
        if (::link(esistente.c_str(), nuovo.c_str()) == 0) return true;
        if (errno == EPERM || errno == ENOTSUP || errno == EOPNOTSUPP || errno == EMLINK ||
            errno == ENOSYS) {
            return false;
        }
        fallisci_posix("impossibile conservare", esistente, errno);
    }

    void cancella(const std::string& percorso) override {
        if (::unlink(percorso.c_str()) != 0 && errno != ENOENT) {
            fallisci_posix("impossibile cancellare", percorso, errno);
        }
    }

    std::vector<std::string> elenca(const std::string& cartella) override {
        DIR* d = ::opendir(cartella.c_str());
        if (d == nullptr) fallisci_posix("impossibile leggere la cartella", cartella, errno);
        std::vector<std::string> nomi;
        while (const dirent* voce = ::readdir(d)) nomi.emplace_back(voce->d_name);
        ::closedir(d);
        return nomi;
    }

    std::string leggi(const std::string& percorso) override {
        const int fd = ::open(percorso.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd < 0) fallisci_posix("impossibile aprire", percorso, errno);
        std::string contenuto;
        char blocco[4096];
        for (;;) {
            const ssize_t n = ::read(fd, blocco, sizeof blocco);
            if (n < 0 && errno == EINTR) continue;
            if (n < 0) {
                const int codice = errno;
                ::close(fd);
                fallisci_posix("impossibile leggere", percorso, codice);
            }
            if (n == 0) break;
            contenuto.append(blocco, static_cast<std::size_t>(n));
        }
        ::close(fd);
        return contenuto;
    }
};

}  // namespace

operazioni_file& operazioni_di_sistema() {
    static operazioni_posix sistema;
    return sistema;
}
