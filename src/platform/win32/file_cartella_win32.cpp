

#include "model/guasto.h"
#include "platform/file_cartella.h"
#include "platform/percorsi.h"
#include "platform/win32/windows_utf16.h"

namespace {

class file_win32 : public file_in_scrittura {
  public:
    file_win32(HANDLE h, std::string percorso) : h_(h), percorso_(std::move(percorso)) {}
    ~file_win32() override {
        if (h_ != INVALID_HANDLE_VALUE) CloseHandle(h_);
    }
    file_win32(const file_win32&) = delete;
    file_win32& operator=(const file_win32&) = delete;

    void scrivi(const void* dati, std::size_t n) override {
        LARGE_INTEGER zero{};
        LARGE_INTEGER fine{};
        if (!SetFilePointerEx(h_, zero, &fine, FILE_END)) fallisci();
        scrivi_in(static_cast<std::uint64_t>(fine.QuadPart), dati, n);
    }

    void scrivi_in(std::uint64_t posizione, const void* dati, std::size_t n) override {
        const char* byte = static_cast<const char*>(dati);
        while (n > 0) {
            OVERLAPPED dove{};
            dove.Offset = static_cast<DWORD>(posizione & 0xFFFFFFFFu);
            dove.OffsetHigh = static_cast<DWORD>(posizione >> 32);
            const DWORD blocco = n > 0x40000000u ? 0x40000000u : static_cast<DWORD>(n);
            DWORD scritti = 0;
            if (!WriteFile(h_, byte, blocco, &scritti, &dove)) fallisci();
            byte += scritti;
            posizione += scritti;
            n -= scritti;
        }
    }

    void chiudi() override {
        if (h_ == INVALID_HANDLE_VALUE) return;
        const HANDLE h = h_;
        h_ = INVALID_HANDLE_VALUE;
        if (!CloseHandle(h)) fallisci();
    }

  private:
    [[noreturn]] void fallisci() const {
        fallisci_win32("impossibile scrivere", percorso_, GetLastError());
    }

    HANDLE h_;
    std::string percorso_;
};

class operazioni_win32 : public operazioni_file {
  public:
    std::unique_ptr<file_in_scrittura> crea_nuovo(const std::string& percorso,
                                                  const std::string& nome_negli_errori) override {
        const HANDLE h = CreateFileW(in_utf16(percorso).c_str(), GENERIC_WRITE,
                                     FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr, CREATE_NEW,
                                     FILE_ATTRIBUTE_NORMAL, nullptr);
        if (h == INVALID_HANDLE_VALUE && GetLastError() == ERROR_FILE_EXISTS) return nullptr;
        if (h == INVALID_HANDLE_VALUE)
            fallisci_win32("impossibile creare", percorso, GetLastError());
        return std::make_unique<file_win32>(h, nome_negli_errori);
    }

    tipo tipo_di(const std::string& percorso) override {
        const DWORD attributi = GetFileAttributesW(in_utf16(percorso).c_str());
        if (attributi == INVALID_FILE_ATTRIBUTES) return tipo::assente;
        return (attributi & FILE_ATTRIBUTE_DIRECTORY) != 0 ? tipo::cartella : tipo::file;
    }

    void rinomina(const std::string& da, const std::string& a) override {
        if (MoveFileExW(in_utf16(da).c_str(), in_utf16(a).c_str(),
                        MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
            return;
        }
        const DWORD codice = GetLastError();
        // The simulator or an editor may hold the old file open: say so, not "access denied".
        if (codice == ERROR_SHARING_VIOLATION || codice == ERROR_ACCESS_DENIED ||
            codice == ERROR_LOCK_VIOLATION) {
            const DWORD attributi = GetFileAttributesW(in_utf16(a).c_str());
            if (attributi != INVALID_FILE_ATTRIBUTES &&
                (attributi & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)) == 0) {
                throw guasto("impossibile sostituire " + a +
                             ": il file è aperto in un altro programma; chiudilo e riprova (il "
                             "file di prima è rimasto com'era)");
            }
        }
        fallisci_win32("impossibile sostituire", a, codice);
    }

    bool collega(const std::string& esistente, const std::string& nuovo) override {
        if (CreateHardLinkW(in_utf16(nuovo).c_str(), in_utf16(esistente).c_str(), nullptr))
            return true;
        const DWORD codice = GetLastError();
        if (codice == ERROR_INVALID_FUNCTION || codice == ERROR_NOT_SUPPORTED ||
            codice == ERROR_TOO_MANY_LINKS) {
            return false;
        }
        fallisci_win32("impossibile conservare", esistente, codice);
    }

    void cancella(const std::string& percorso) override {
        if (DeleteFileW(in_utf16(percorso).c_str())) return;
        const DWORD codice = GetLastError();
        if (codice != ERROR_FILE_NOT_FOUND && codice != ERROR_PATH_NOT_FOUND) {
            fallisci_win32("impossibile cancellare", percorso, codice);
        }
    }

    std::vector<std::string> elenca(const std::string& cartella) override {
        WIN32_FIND_DATAW voce{};
        const HANDLE ricerca =
            FindFirstFileW(in_utf16(unisci_percorso(cartella, "*")).c_str(), &voce);
        if (ricerca == INVALID_HANDLE_VALUE) {
            fallisci_win32("impossibile leggere la cartella", cartella, GetLastError());
        }
        std::vector<std::string> nomi;
        do {
            nomi.push_back(in_utf8(voce.cFileName));
        } while (FindNextFileW(ricerca, &voce));
        FindClose(ricerca);
        return nomi;
    }

    std::string leggi(const std::string& percorso) override {
        const HANDLE h = CreateFileW(in_utf16(percorso).c_str(), GENERIC_READ,
                                     FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                     nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (h == INVALID_HANDLE_VALUE)
            fallisci_win32("impossibile aprire", percorso, GetLastError());
        std::string contenuto;
        char blocco[4096];
        DWORD letti = 0;
        while (ReadFile(h, blocco, sizeof blocco, &letti, nullptr) && letti > 0) {
            contenuto.append(blocco, letti);
        }
        CloseHandle(h);
        return contenuto;
    }
};

}  // namespace

operazioni_file& operazioni_di_sistema() {
    static operazioni_win32 sistema;
    return sistema;
}
