#include <cstdio>
#include <string>

#include "driver/comandi.h"
#include "platform/interruzioni.h"

int main(int argc, char** argv) {
    prepara_interruzioni();
    return esegui_comando(argc, argv);
}
