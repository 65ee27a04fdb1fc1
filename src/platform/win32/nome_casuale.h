#pragma once

#include <string>

// Six letters and digits, different at every call, for names that must not clash.
std::string suffisso_unico();
