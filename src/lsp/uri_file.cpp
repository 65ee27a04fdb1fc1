#include "lsp/uri_file.h"

namespace {

int cifra_esadecimale(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

std::optional<std::string> decodifica_percentuali(std::string_view t) {
    std::string uscita;
    for (std::size_t i = 0; i < t.size(); ++i) {
        if (t[i] != '%') {
            uscita += t[i];
            continue;
        }
        if (i + 2 >= t.size()) return std::nullopt;
        const int alta = cifra_esadecimale(t[i + 1]);
        const int bassa = cifra_esadecimale(t[i + 2]);
        if (alta < 0 || bassa < 0) return std::nullopt;
        uscita += static_cast<char>(alta * 16 + bassa);
        i += 2;
    }
    return uscita;
}

bool libero_in_uri(unsigned char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
           std::string_view("-._~/!$&'()*+,;=@:").find(static_cast<char>(c)) !=
               std::string_view::npos;
}

// "/C:/x" as Windows clients send it names "C:/x".
std::string senza_barra_prima_unita(std::string percorso) {
    if (percorso.size() >= 3 && percorso[0] == '/' && percorso[2] == ':') percorso.erase(0, 1);
    return percorso;
}

}  // namespace

std::optional<std::string> percorso_da_uri(std::string_view uri) {
    constexpr std::string_view schema = "file://";
    if (uri.substr(0, schema.size()) != schema) return std::nullopt;
    uri.remove_prefix(schema.size());
    if (uri.empty() || uri.front() != '/') return std::nullopt;  // a host other than the local one
    std::optional<std::string> percorso = decodifica_percentuali(uri);
    if (!percorso) return std::nullopt;
    return senza_barra_prima_unita(*percorso);
}

std::string uri_da_percorso(std::string_view percorso) {
    std::string uri = "file://";
    if (!percorso.empty() && percorso.front() != '/') uri += '/';
    constexpr char cifre[] = "0123456789ABCDEF";
    for (const char c : percorso) {
        const auto b = static_cast<unsigned char>(c);
        if (libero_in_uri(b)) {
            uri += c;
        } else {
            uri += '%';
            uri += cifre[b >> 4];
            uri += cifre[b & 15];
        }
    }
    return uri;
}
