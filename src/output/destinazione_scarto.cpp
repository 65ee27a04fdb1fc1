#include "output/destinazione_scarto.h"

flusso_uscita& destinazione_scarto::apri(const std::string&) {
    return flusso_;
}
