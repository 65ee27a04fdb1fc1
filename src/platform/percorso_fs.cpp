#include "platform/percorso_fs.h"

std::filesystem::path percorso_fs(std::string_view utf8) {
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string testo_percorso(const std::filesystem::path& percorso) {
    const std::u8string utf8 = percorso.u8string();
    return std::string(utf8.begin(), utf8.end());
}
