#include "platform/processo.h"
#include "platform/win32/windows_utf16.h"

namespace {

// One argument as CommandLineToArgvW will split it back: quotes around it, backslashes
// doubled only where a quote follows them.
std::wstring tra_virgolette(const std::wstring& a) {
    if (!a.empty() && a.find_first_of(L" \t\n\v\"") == std::wstring::npos) return a;
    std::wstring r = L"\"";
    std::size_t barre = 0;
    for (const wchar_t c : a) {
        if (c == L'\\') {
            ++barre;
            continue;
        }
        r.append(c == L'"' ? barre * 2 + 1 : barre, L'\\');
        barre = 0;
        r += c;
    }
    r.append(barre * 2, L'\\');
    return r + L"\"";
}

HANDLE crea_ereditabile(const std::string& file) {
    SECURITY_ATTRIBUTES sicurezza{sizeof sicurezza, nullptr, TRUE};
    return ::CreateFileW(in_utf16(file).c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                         &sicurezza, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
}

}  // namespace

int esegui_e_attendi(const std::string& programma, const std::vector<std::string>& argomenti,
                     const std::string& cartella, const std::string& file_uscita,
                     const std::string& file_errori) {
    std::wstring riga = tra_virgolette(in_utf16(programma));
    for (const auto& a : argomenti) riga += L" " + tra_virgolette(in_utf16(a));
    const HANDLE uscita = crea_ereditabile(file_uscita);
    const HANDLE errori = crea_ereditabile(file_errori);
    STARTUPINFOW avvio{};
    avvio.cb = sizeof avvio;
    avvio.dwFlags = STARTF_USESTDHANDLES;
    avvio.hStdInput = ::GetStdHandle(STD_INPUT_HANDLE);
    avvio.hStdOutput = uscita;
    avvio.hStdError = errori;
    PROCESS_INFORMATION processo{};
    const bool avviato =
        uscita != INVALID_HANDLE_VALUE && errori != INVALID_HANDLE_VALUE &&
        ::CreateProcessW(in_utf16(programma).c_str(), riga.data(), nullptr, nullptr, TRUE, 0,
                         nullptr, in_utf16(cartella).c_str(), &avvio, &processo);
    if (uscita != INVALID_HANDLE_VALUE) ::CloseHandle(uscita);
    if (errori != INVALID_HANDLE_VALUE) ::CloseHandle(errori);
    if (!avviato) return -1;
    ::WaitForSingleObject(processo.hProcess, INFINITE);
    DWORD stato = 0;
    ::GetExitCodeProcess(processo.hProcess, &stato);
    ::CloseHandle(processo.hProcess);
    ::CloseHandle(processo.hThread);
    // An exception that ended the process leaves its NTSTATUS, not a status of the program.
    return stato >= 0xC0000000u ? -1 : static_cast<int>(stato);
}
