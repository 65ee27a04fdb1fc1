#include <fcntl.h>
#include <io.h>

#include <cstdio>

#include "platform/console.h"
#include "platform/win32/windows_utf16.h"

console_utf8::console_utf8() : precedente_(::GetConsoleOutputCP()) {
    ::SetConsoleOutputCP(CP_UTF8);
    // Bytes go out as they are: a "\n" stays one byte, in a console, a pipe or a file.
    ::_setmode(::_fileno(stdout), _O_BINARY);
    ::_setmode(::_fileno(stderr), _O_BINARY);
}

console_utf8::~console_utf8() {
    // The code page belongs to the console, which outlives the program.
    if (precedente_ != 0) ::SetConsoleOutputCP(precedente_);
}

namespace {

bool console(DWORD quale) {
    DWORD modo = 0;
    return ::GetConsoleMode(::GetStdHandle(quale), &modo) != 0;
}

}  // namespace

bool errori_su_terminale() {
    return console(STD_ERROR_HANDLE);
}

std::string cancella_riga(std::size_t lunghezza) {
    // Built piece by piece: g++ 12 sees a false overlap in "\r" + text (-Wrestrict).
    std::string cancellazione(lunghezza + 2, ' ');
    cancellazione.front() = '\r';
    cancellazione.back() = '\r';
    return cancellazione;
}

bool lascia_console_propria() {
    DWORD processi[2];
    if (!console(STD_ERROR_HANDLE) || ::GetConsoleProcessList(processi, 2) != 1) return false;
    return ::FreeConsole() != 0;
}
