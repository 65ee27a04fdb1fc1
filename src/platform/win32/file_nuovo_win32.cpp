#include "model/guasto.h"
#include "platform/file_nuovo.h"
#include "platform/percorsi.h"
#include "platform/win32/nome_casuale.h"
#include "platform/win32/windows_utf16.h"

namespace {

HANDLE maniglia(std::intptr_t m) {
    return reinterpret_cast<HANDLE>(m);
}

// The largest piece one WriteFile takes.
DWORD pezzo(std::size_t n) {
    return n > 0x40000000 ? 0x40000000 : static_cast<DWORD>(n);
}

}  // namespace

file_nuovo::file_nuovo(const std::string& destinazione)
    : destinazione_(destinazione),
      maniglia_(reinterpret_cast<std::intptr_t>(INVALID_HANDLE_VALUE)) {
    const std::string cartella(cartella_in_percorso(destinazione));
    const std::string nome(nome_in_percorso(destinazione));
    for (;;) {
        // Appended piece by piece: g++ 12 sees a false overlap in a chain of '+' (-Wrestrict).
        percorso_ = cartella;
        percorso_ += '.';
        percorso_ += nome;
        percorso_ += '.';
        percorso_ += suffisso_unico();
        const HANDLE h = ::CreateFileW(in_utf16(percorso_).c_str(), GENERIC_WRITE, FILE_SHARE_READ,
                                       nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (h != INVALID_HANDLE_VALUE) {
            maniglia_ = reinterpret_cast<std::intptr_t>(h);
            return;
        }
        const DWORD codice = ::GetLastError();
        if (codice != ERROR_FILE_EXISTS && codice != ERROR_ALREADY_EXISTS) {
            percorso_.clear();
            fallisci("impossibile creare", static_cast<long>(codice));
        }
    }
}

file_nuovo::~file_nuovo() {
    if (maniglia(maniglia_) != INVALID_HANDLE_VALUE) ::CloseHandle(maniglia(maniglia_));
}

void file_nuovo::fallisci(const std::string& cosa, long codice) const {
    fallisci_win32(cosa, destinazione_, static_cast<DWORD>(codice));
}

void file_nuovo::scrivi(const void* dati, std::size_t n) {
    const char* byte = static_cast<const char*>(dati);
    while (n > 0) {
        DWORD scritti = 0;
        if (!::WriteFile(maniglia(maniglia_), byte, pezzo(n), &scritti, nullptr)) {
            fallisci("impossibile scrivere", static_cast<long>(::GetLastError()));
        }
        byte += scritti;
        n -= scritti;
    }
}

void file_nuovo::scrivi_in(std::uint64_t posizione, const void* dati, std::size_t n) {
    // A write at an offset moves the file pointer here: keep it where the appends go.
    LARGE_INTEGER zero{};
    LARGE_INTEGER coda{};
    if (!::SetFilePointerEx(maniglia(maniglia_), zero, &coda, FILE_CURRENT)) {
        fallisci("impossibile scrivere", static_cast<long>(::GetLastError()));
    }
    const char* byte = static_cast<const char*>(dati);
    while (n > 0) {
        OVERLAPPED dove{};
        dove.Offset = static_cast<DWORD>(posizione & 0xFFFFFFFFu);
        dove.OffsetHigh = static_cast<DWORD>(posizione >> 32);
        DWORD scritti = 0;
        if (!::WriteFile(maniglia(maniglia_), byte, pezzo(n), &scritti, &dove)) {
            fallisci("impossibile scrivere", static_cast<long>(::GetLastError()));
        }
        byte += scritti;
        posizione += scritti;
        n -= scritti;
    }
    if (!::SetFilePointerEx(maniglia(maniglia_), coda, nullptr, FILE_BEGIN)) {
        fallisci("impossibile scrivere", static_cast<long>(::GetLastError()));
    }
}

void file_nuovo::chiudi() {
    const HANDLE h = maniglia(maniglia_);
    if (h == INVALID_HANDLE_VALUE) return;
    maniglia_ = reinterpret_cast<std::intptr_t>(INVALID_HANDLE_VALUE);
    if (!::CloseHandle(h)) fallisci("impossibile scrivere", static_cast<long>(::GetLastError()));
}

void sostituisci_file(const std::string& nuovo, const std::string& destinazione) {
    if (::MoveFileExW(in_utf16(nuovo).c_str(), in_utf16(destinazione).c_str(),
                      MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        return;
    }
    const DWORD codice = ::GetLastError();
    if (codice == ERROR_SHARING_VIOLATION || codice == ERROR_ACCESS_DENIED ||
        codice == ERROR_LOCK_VIOLATION) {
        const DWORD attributi = ::GetFileAttributesW(in_utf16(destinazione).c_str());
        if (attributi != INVALID_FILE_ATTRIBUTES &&
            (attributi & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)) == 0) {
            throw guasto("impossibile sostituire " + destinazione +
                         ": il file è aperto in un altro programma; chiudilo e riprova (il "
                         "file di prima è rimasto com'era)");
        }
    }
    fallisci_win32("impossibile sostituire", destinazione, codice);
}
