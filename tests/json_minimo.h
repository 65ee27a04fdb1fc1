#pragma once

// Just enough JSON reading to check the dump's output: objects, arrays, strings without
// \u escapes beyond the ASCII range, numbers, null. Throws on anything malformed.
#include <cstdlib>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace json {

struct valore {
    enum class genere { nullo, numero, stringa, array, oggetto } g = genere::nullo;
    double numero = 0;
    std::string stringa;
    std::vector<valore> elementi;
    std::map<std::string, valore> campi;

    const valore& operator[](const std::string& chiave) const {
        const auto i = campi.find(chiave);
        if (i == campi.end()) throw std::runtime_error("manca la chiave " + chiave);
        return i->second;
    }
    bool ha(const std::string& chiave) const { return campi.count(chiave) != 0; }
};

class lettore {
  public:
    explicit lettore(const std::string& t) : t_(t) {}

    valore documento() {
        valore v = leggi();
        spazi();
        if (i_ != t_.size()) fallisci("testo dopo il documento");
        return v;
    }

  private:
    [[noreturn]] void fallisci(const std::string& m) {
        throw std::runtime_error(m + " al carattere " + std::to_string(i_));
    }
    void spazi() {
        while (i_ < t_.size() && std::string(" \n\r\t").find(t_[i_]) != std::string::npos) ++i_;
    }
    void atteso(char c) {
        spazi();
        if (i_ >= t_.size() || t_[i_] != c) fallisci(std::string("atteso '") + c + "'");
        ++i_;
    }
    bool prossimo(char c) {
        spazi();
        return i_ < t_.size() && t_[i_] == c;
    }

    valore leggi() {
        spazi();
        if (i_ >= t_.size()) fallisci("fine inattesa");
        valore v;
        if (t_[i_] == '{') {
            v.g = valore::genere::oggetto;
            ++i_;
            while (!prossimo('}')) {
                if (!v.campi.empty()) atteso(',');
                spazi();
                const std::string chiave = stringa();
                atteso(':');
                v.campi[chiave] = leggi();
            }
            ++i_;
        } else if (t_[i_] == '[') {
            v.g = valore::genere::array;
            ++i_;
            while (!prossimo(']')) {
                if (!v.elementi.empty()) atteso(',');
                v.elementi.push_back(leggi());
            }
            ++i_;
        } else if (t_[i_] == '"') {
            v.g = valore::genere::stringa;
            v.stringa = stringa();
        } else if (t_.compare(i_, 4, "null") == 0) {
            i_ += 4;
        } else {
            v.g = valore::genere::numero;
            char* fine = nullptr;
            v.numero = std::strtod(t_.c_str() + i_, &fine);
            if (fine == t_.c_str() + i_) fallisci("valore sconosciuto");
            i_ = static_cast<std::size_t>(fine - t_.c_str());
        }
        return v;
    }

    std::string stringa() {
        if (t_[i_] != '"') fallisci("attesa una stringa");
        ++i_;
        std::string s;
        while (i_ < t_.size() && t_[i_] != '"') {
            if (static_cast<unsigned char>(t_[i_]) < 0x20) fallisci("controllo in una stringa");
            if (t_[i_] == '\\') {
                ++i_;
                if (t_[i_] == 'u') {
                    s.push_back(static_cast<char>(std::stoi(t_.substr(i_ + 1, 4), nullptr, 16)));
                    i_ += 4;
                } else {
                    s.push_back(t_[i_]);
                }
            } else {
                s.push_back(t_[i_]);
            }
            ++i_;
        }
        atteso('"');
        return s;
    }

    const std::string& t_;
    std::size_t i_ = 0;
};

inline valore leggi(const std::string& testo) {
    return lettore(testo).documento();
}

}  // namespace json
