#include "source_text/testo_scenario.h"

#include "model/guasto.h"

std::string componi_testo(const std::vector<std::string>& tabella) {
    std::string testo;
    for (std::size_t i = 0; i < tabella.size() && i < righe_tabella_testo; ++i) {
        if (tabella[i] == marcatore_fine) return testo;
        testo += tabella[i];
        testo += "\r\n";
    }
    throw guasto("tabella di testo senza marcatore di fine");
}

std::vector<std::string> tabella_con_marcatore(const std::vector<std::string>& righe) {
    if (righe.size() >= righe_tabella_testo) throw guasto("troppe righe per una tabella di testo");
    std::vector<std::string> tabella(righe);
    tabella.emplace_back(marcatore_fine);
    return tabella;
}
