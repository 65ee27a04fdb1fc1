#pragma once

#include <cstdint>
#include <string>
#include <vector>

// A generated scenario pair: the embedded scenario or the small test scenario, with a few
// deterministic mutations of the kinds authors make (numbers changed, lines lost, doubled,
// swapped, fields lost or added). The same index always gives the same pair.
struct caso_corpus {
    std::string nome;
    std::string linea;  // bytes of the line file, CR LF
    std::string treno;  // bytes of the train run file
    std::int32_t flag_j = 1;
};

std::vector<caso_corpus> corpus_scenari(std::size_t quanti);
