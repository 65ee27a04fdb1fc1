#include "compilazione/compila_testi.h"

#include <cstdio>
#include <exception>

#include "avvisi/controlla_testi.h"
#include "compilazione/ambiente.h"
#include "compilazione/registra_reperto.h"
#include "model/form1.h"
#include "model/guasto.h"

namespace {

esito_compilazione esito_di(const Form1& f, ambiente_compilazione& a, fine_compilazione fine) {
    esito_compilazione e;
    e.fine = fine;
    e.codice_errore = f.codice_errore;
    e.posizione_errore = f.posizione_errore;
    e.reperti = std::move(a.reperti);
    e.file_prodotti = std::move(a.file_prodotti);
    e.cancellato_linea = a.cancellato_linea;
    e.cancellato_treno = a.cancellato_treno;
    e.avvisi_come_errori = a.opzioni.avvisi_come_errori;
    return e;
}

// The sources as the readers take them: converted to Windows-1252 where the encoding asks.
struct sorgenti_lette {
    std::optional<sorgenti_compilazione> convertite;  // none when both are read as they are
    testo_decodificato linea;
    testo_decodificato treno;

    const sorgenti_compilazione& da_leggere(const sorgenti_compilazione& originali) const {
        return convertite ? *convertite : originali;
    }
};

testo_decodificato decodifica(const testo_sorgente& t, codifica_sorgente codifica) {
    if (!t.byte) return {};
    return decodifica_sorgente(*t.byte, codifica);
}

sorgenti_lette leggi_codifiche(const sorgenti_compilazione& s, codifica_sorgente codifica) {
    sorgenti_lette l{std::nullopt, decodifica(s.linea, codifica), decodifica(s.treno, codifica)};
    if (l.linea.convertito || l.treno.convertito) {
        l.convertite = s;
        if (l.linea.convertito) l.convertite->linea.byte = *l.linea.convertito;
        if (l.treno.convertito) l.convertite->treno.byte = *l.treno.convertito;
    }
    return l;
}

std::string testo_carattere(char32_t c) {
    char codice[16];
    std::snprintf(codice, sizeof codice, "U+%04X", static_cast<unsigned>(c));
    return codice;
}

// The checking pass only adds findings; should it fail, the compilation stands as it is.
void controlla_senza_guasti(ambiente_compilazione& a) {
    try {
        controlla_testi(a);
    } catch (const std::exception&) {
    }
}

// Notes for each conversion, the warning for NUL bytes, and the error for a character that
// Windows-1252 cannot hold. False when that error stops the compilation.
bool segnala_codifiche(ambiente_compilazione& a, const testo_decodificato& t, sorgente file) {
    if (t.estraneo) {
        const carattere_estraneo& e = *t.estraneo;
        registra_errore_sorgente(
            a, luogo_sorgente{file, e.riga, e.colonna, e.riga_fino_a_lui},
            "il carattere " + testo_carattere(e.carattere) +
                " non esiste in Windows-1252, la codifica dei file di scenario: sostituiscilo "
                "(nulla è stato compilato)");
        return false;
    }
    if (t.convertito) {
        registra_avviso(
            a, livello_reperto::nota, "codifica", luogo_del_file(file),
            "file letto come " + std::string(t.codifica) + " e convertito in Windows-1252");
    }
    if (t.nul_senza_bom) {
        registra_avviso(a, livello_reperto::avviso, "utf16-senza-bom", luogo_del_file(file),
                        "il file contiene byte NUL: sembra UTF-16 senza byte-order mark; "
                        "salvalo come UTF-8 o Windows-1252, o compila con --encoding utf-16");
    }
    return true;
}

}  // namespace

esito_compilazione compila_testi(const sorgenti_compilazione& sorgenti,
                                 const opzioni_compilazione& opzioni, destinazione& uscita) {
    const sorgenti_lette lette = leggi_codifiche(sorgenti, opzioni.codifica);
    ambiente_compilazione ambiente{
        lette.da_leggere(sorgenti), opzioni, uscita, {}, {}, false, false};
    Form1 f;
    f.ambiente = &ambiente;
    const bool linea_leggibile = segnala_codifiche(ambiente, lette.linea, sorgente::file_linea);
    const bool treno_leggibile = segnala_codifiche(ambiente, lette.treno, sorgente::file_treno);
    if (!linea_leggibile || !treno_leggibile) {
        return esito_di(f, ambiente, fine_compilazione::errore);
    }
    f.nome_linea = opzioni.nome_linea;
    f.numero_treno = opzioni.numero_treno;
    std::int32_t j = opzioni.flag_j;
    fine_compilazione fine = fine_compilazione::completata;
    std::string testo_errore;
    std::string guasto;
    try {
        f.memorizza_percorso(j);
    } catch (const errore_fatale& e) {
        fine = fine_compilazione::errore;
        testo_errore = e.what();
    } catch (const modello_non_creato&) {
        fine = fine_compilazione::modello_assente;
    } catch (const std::exception& e) {
        fine = fine_compilazione::guasto;
        guasto = e.what();
    }
    if (opzioni.avvisi) controlla_senza_guasti(ambiente);
    esito_compilazione esito = esito_di(f, ambiente, fine);
    esito.testo_errore = std::move(testo_errore);
    esito.guasto = std::move(guasto);
    return esito;
}
