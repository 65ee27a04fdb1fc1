#include "platform/percorsi.h"

bool separatore_percorso(char c) {
    return c == '/';
}

char separatore_preferito() {
    return '/';
}
