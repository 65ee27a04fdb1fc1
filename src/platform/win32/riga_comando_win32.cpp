#include "platform/riga_comando.h"
#include "platform/win32/windows_utf16.h"

// The narrow argv holds the arguments in the ANSI code page, where most names do not fit.
std::vector<std::string> argomenti_programma(int, char**) {
    int n = 0;
    wchar_t** argv = ::CommandLineToArgvW(::GetCommandLineW(), &n);
    std::vector<std::string> argomenti;
    for (int i = 1; i < n; ++i) argomenti.push_back(in_utf8(argv[i]));
    ::LocalFree(argv);
    return argomenti;
}
