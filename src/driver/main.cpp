#include <cstdio>
#include <string>

#include "driver/comandi.h"

int main(int argc, char** argv) {
    return esegui_comando(argc, argv);
}
