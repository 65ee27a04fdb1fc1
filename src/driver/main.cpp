#include "driver/comandi.h"
#include "platform/console.h"
#include "platform/interruzioni.h"
#include "platform/riga_comando.h"

int main(int argc, char** argv) {
    const console_utf8 console;
    prepara_interruzioni();
    return esegui_comando(argomenti_programma(argc, argv));
}
