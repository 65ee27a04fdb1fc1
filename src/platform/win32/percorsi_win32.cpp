#include "platform/percorsi.h"

// "C:nome" names a file in drive C's current folder: the colon ends the folder part.
bool separatore_percorso(char c) {
    return c == '/' || c == '\\' || c == ':';
}

char separatore_preferito() {
    return '\\';
}
