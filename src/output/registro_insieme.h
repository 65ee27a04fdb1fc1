#pragma once

#include <optional>
#include <string>
#include <vector>

// One file of a set being put in place, by its names in the output folder.
struct voce_insieme {
    std::string temporaneo;  // the new file, complete
    std::string finale;      // the name it takes
    std::string riserva;     // where the old file is kept meanwhile; empty when there was none

    bool operator==(const voce_insieme&) const = default;
};

// The commit record: one line of heading, then one line per file with its three names
// separated by tabs (no name holds a control character).
std::string componi_registro(const std::vector<voce_insieme>& voci);
// Null when the text is not a whole record.
std::optional<std::vector<voce_insieme>> analizza_registro(const std::string& testo);
