// The least a compile's promise costs: writes files of given names and sizes into a folder,
// each in 256 KiB blocks to a temporary file renamed over its name, as a separate process.
//   pavimento_scrittura DIR NAME:SIZE [NAME:SIZE...]
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr std::size_t blocco = 256 * 1024;

bool scrivi(const std::string& cartella, const std::string& nome, std::size_t dimensione) {
    static const std::vector<char> dati(blocco, '\x5a');
    const std::string finale = cartella + "/" + nome;
    const std::string temporaneo = cartella + "/." + nome + ".pav";
    const int fd = ::open(temporaneo.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) return false;
    for (std::size_t fatto = 0; fatto < dimensione;) {
        const std::size_t n = std::min(blocco, dimensione - fatto);
        const ssize_t scritti = ::write(fd, dati.data(), n);
        if (scritti <= 0) return false;
        fatto += static_cast<std::size_t>(scritti);
    }
    return ::close(fd) == 0 && ::rename(temporaneo.c_str(), finale.c_str()) == 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "uso: pavimento_scrittura CARTELLA NOME:BYTE...\n");
        return 64;
    }
    for (int i = 2; i < argc; ++i) {
        const std::string voce = argv[i];
        const auto due_punti = voce.rfind(':');
        if (due_punti == std::string::npos) return 64;
        const auto dimensione = std::strtoull(voce.c_str() + due_punti + 1, nullptr, 10);
        if (!scrivi(argv[1], voce.substr(0, due_punti), dimensione)) {
            std::perror(voce.c_str());
            return 1;
        }
    }
    return 0;
}
