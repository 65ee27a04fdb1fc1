#include "platform/lettura_file.h"

#include "model/guasto.h"

void file_troppo_grande(const std::string& percorso, std::size_t massimo) {
    throw guasto(percorso + " è troppo grande per un file di scenario (più di " +
                 std::to_string(massimo >> 20) + " MiB): non lo leggo");
}
