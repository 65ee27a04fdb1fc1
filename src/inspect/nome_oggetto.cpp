#include "inspect/nome_oggetto.h"

#include "model/cella.h"

std::string_view nome_oggetto(std::uint8_t tipo) {
    namespace t = tipo_cella;
    switch (tipo) {
        case t::nessuno:
            return "nessuno";
        case t::segnale:
            return "segnale";
        case t::fine_rallentamento:
            return "fine_rallentamento";
        case t::inizio_rallentamento:
            return "inizio_rallentamento";
        case t::avviso_rallentamento:
            return "avviso_rallentamento";
        case t::preavviso_rallentamento:
            return "preavviso_rallentamento";
        case t::indicatore_vmax:
            return "indicatore_vmax";
        case t::fermata_stazione:
            return "fermata_stazione";
        case t::marcatore_montagna:
            return "marcatore_montagna";
        case t::abbattimento:
            return "abbattimento";
        case t::abbattimento_senza_valore:
            return "abbattimento_senza_valore";
        case t::cartello_indicatore:
            return "cartello_indicatore";
        default:
            return "sconosciuto";
    }
}
