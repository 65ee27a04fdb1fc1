#pragma once

#include <string>

// The longest line the compiler accepts (1,000,000 m), dense with features and laid out so
// that it compiles without any finding. Benchmarks and tests share it.
inline constexpr const char* nome_linea_lunga = "Lungalinea";
inline constexpr const char* numero_treno_lungo = "1000";

// The two source files, as a scenario author would write them (CR LF line ends).
std::string testo_linea_lunga();
std::string testo_treno_lungo();
