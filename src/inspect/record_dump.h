#pragma once

#include <cstdint>
#include <nlohmann/json.hpp>
#include <string>
#include <string_view>
#include <vector>

// One decoded record as named fields in order, printable as a text line or as a JSON
// object. A field may belong to both forms or to one of them only.
class record_dump {
  public:
    record_dump& intero(std::string_view nome, std::int64_t v);
    // Shortest form that reads back to the same double.
    record_dump& reale(std::string_view nome, double v);
    // A text from the file, already UTF-8: always quoted.
    record_dump& testo(std::string_view nome, std::string_view v);
    // A fixed word such as a type name: bare in the text form.
    record_dump& parola(std::string_view nome, std::string_view v);
    record_dump& nullo(std::string_view nome);

    // What the text form shows for a field, as given; the JSON form does not have it.
    record_dump& solo_testo(std::string_view nome, std::string testo);
    // A value in real units that only the JSON form carries, beside the stored one.
    record_dump& solo_json(std::string_view nome, nlohmann::ordered_json v);

    bool vuoto() const { return campi_.empty(); }
    std::string come_testo() const;  // nome=valore nome=valore ...
    nlohmann::ordered_json come_json() const;

  private:
    struct campo {
        std::string nome;
        std::string testo;  // empty: not in the text form
        nlohmann::ordered_json json;
        bool in_json = true;
    };
    record_dump& aggiungi(std::string_view nome, std::string testo, nlohmann::ordered_json json);

    std::vector<campo> campi_;
};
