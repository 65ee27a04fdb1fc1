#include "model/form1.h"

std::int16_t minimo(std::int16_t x, std::int16_t y) {
    return x > y ? y : x;
}
