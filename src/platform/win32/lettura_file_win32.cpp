#include <cstdint>

#include "model/guasto.h"
#include "platform/lettura_file.h"
#include "platform/win32/windows_utf16.h"

tipo_file tipo_di(const std::string& percorso) {
    const DWORD attributi = ::GetFileAttributesW(in_utf16(percorso).c_str());
    if (attributi == INVALID_FILE_ATTRIBUTES) return tipo_file::assente;
    if ((attributi & FILE_ATTRIBUTE_DIRECTORY) != 0) return tipo_file::cartella;
    if ((attributi & FILE_ATTRIBUTE_DEVICE) != 0) return tipo_file::altro;
    return tipo_file::ordinario;
}

namespace {

struct maniglia_chiusa {
    HANDLE h;
    ~maniglia_chiusa() { ::CloseHandle(h); }
};

}  // namespace

std::string leggi_file(const std::string& percorso, std::size_t massimo) {
    if (tipo_di(percorso) == tipo_file::cartella) {
        throw guasto("impossibile leggere " + percorso + ": è una cartella");
    }
    // Shared every way: the simulator or an editor may hold the file open meanwhile.
    const HANDLE h = ::CreateFileW(in_utf16(percorso).c_str(), GENERIC_READ,
                                   FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                   OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) fallisci_win32("impossibile aprire", percorso, ::GetLastError());
    const maniglia_chiusa aperto{h};
    if (::GetFileType(h) != FILE_TYPE_DISK) {
        throw guasto("impossibile leggere " + percorso + ": non è un file ordinario");
    }
    LARGE_INTEGER dimensione{};
    if (!::GetFileSizeEx(h, &dimensione)) {
        fallisci_win32("impossibile leggere", percorso, ::GetLastError());
    }
    if (static_cast<std::uint64_t>(dimensione.QuadPart) > massimo) {
        file_troppo_grande(percorso, massimo);
    }
    std::string contenuto(static_cast<std::size_t>(dimensione.QuadPart) + 1, '\0');
    std::size_t letti = 0;
    for (;;) {
        if (letti == contenuto.size()) contenuto.resize(contenuto.size() + 4096);
        const std::size_t resto = contenuto.size() - letti;
        DWORD n = 0;
        const DWORD chiesti = resto > 0x40000000 ? 0x40000000 : static_cast<DWORD>(resto);
        if (!::ReadFile(h, contenuto.data() + letti, chiesti, &n, nullptr)) {
            fallisci_win32("impossibile leggere", percorso, ::GetLastError());
        }
        if (n == 0) break;
        letti += n;
        if (letti > massimo) file_troppo_grande(percorso, massimo);
    }
    contenuto.resize(letti);
    return contenuto;
}
