#include "inspect/testo_escape.h"

#include <cstdio>

namespace {

bool controllo(char c) {
    return static_cast<unsigned char>(c) < 0x20;
}

}  // namespace

std::string escape_xml(std::string_view testo) {
    std::string uscita;
    uscita.reserve(testo.size());
    for (const char c : testo) {
        switch (c) {
            case '&':
                uscita += "&amp;";
                break;
            case '<':
                uscita += "&lt;";
                break;
            case '>':
                uscita += "&gt;";
                break;
            case '"':
                uscita += "&quot;";
                break;
            case '\'':
                uscita += "&apos;";
                break;
            case '\t':
            case '\n':
            case '\r':
                uscita.push_back(c);
                break;
            default:
                if (controllo(c)) {
                    uscita += "\xEF\xBF\xBD";
                } else {
                    uscita.push_back(c);
                }
        }
    }
    return uscita;
}

std::string stringa_json(std::string_view testo) {
    std::string uscita = "\"";
    for (const char c : testo) {
        if (c == '"' || c == '\\') {
            uscita.push_back('\\');
            uscita.push_back(c);
        } else if (controllo(c)) {
            char codice[8];
            std::snprintf(codice, sizeof codice, "\\u%04x", static_cast<unsigned>(c));
            uscita += codice;
        } else {
            uscita.push_back(c);
        }
    }
    return uscita + "\"";
}
