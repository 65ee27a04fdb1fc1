#include "driver/comandi.h"
#include "platform/console.h"
#include "platform/riga_comando.h"

int main(int argc, char** argv) {
    const console_utf8 console;
    return esegui_comando(argomenti_programma(argc, argv));
}
