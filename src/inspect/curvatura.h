#pragma once

#include <cstdint>
#include <vector>

#include "inspect/profilo.h"

struct campione_curvatura {
    std::int32_t metro = 0;
    double per_km = 0;  // 1 / radius in km: positive where the line bends left
};

// The line's curvature from the profile's plane coordinates, one sample every `passo` metres
// up to `lunghezza` or the last metre the profile fills.
std::vector<campione_curvatura> curvature(const profilo& p, std::int32_t lunghezza,
                                          std::int32_t passo = 50);
