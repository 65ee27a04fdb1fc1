#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// One decoded record as named fields in file order, printable as a text line or as a
// JSON object. Both forms carry the same values.
class record_dump {
  public:
    record_dump& intero(const char* nome, std::int64_t v);
    // Shortest form that reads back to the same double.
    record_dump& reale(const char* nome, double v);
    // A text from the file, already UTF-8: always quoted.
    record_dump& testo(const char* nome, std::string_view v);
    // A fixed word such as a type name: bare in the text form.
    record_dump& parola(const char* nome, std::string_view v);
    record_dump& nullo(const char* nome);

    std::string come_testo() const;  // nome=valore nome=valore ...
    std::string come_json() const;   // {"nome":valore,...}

  private:
    struct campo {
        std::string nome;
        std::string testo;
        std::string json;
    };
    record_dump& aggiungi(const char* nome, std::string testo, std::string json);

    std::vector<campo> campi_;
};
