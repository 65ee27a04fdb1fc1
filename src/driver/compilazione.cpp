#include "driver/compilazione.h"

#include <filesystem>
#include <optional>

#include "output/file_atomico.h"
#include "platform/cartella_temporanea.h"
#include "platform/lettura_file.h"
#include "platform/percorso_fs.h"
#include "source_text/codifica_1252.h"

namespace {

// The readers work on private copies: the author's files are never changed or deleted.
void prepara(Form1& f, const richiesta_compilazione& r, const std::string& privata) {
    f.nome_linea = utf8_a_1252(r.nome_linea);
    f.numero_treno = utf8_a_1252(r.numero_treno);
    f.nome_linea_uscita = r.nome_linea;
    f.numero_treno_uscita = r.numero_treno;
    f.cartella = privata;
    const std::string linea = leggi_file(r.file_linea);
    const std::string treno = leggi_file(r.file_treno);
    scrivi_file_intero(f.percorso_file_linea(), linea);
    scrivi_file_intero(f.percorso_file_treno(), treno);
    f.cartella_uscita = r.cartella_uscita;
    if (r.solo_verifica) {
        // A check compiles into the private folder, which goes away with everything in it.
        f.cartella_uscita = privata + "/uscita";
        std::filesystem::create_directory(percorso_fs(f.cartella_uscita));
    }
}

}  // namespace

rapporto_esecuzione compila(Form1& f, const richiesta_compilazione& richiesta) {
    const nomi_sorgenti nomi{richiesta.file_linea, richiesta.file_treno};
    std::optional<cartella_temporanea> privata;
    rapporto_esecuzione r = esegui(f, nomi, [&] {
        privata.emplace();
        prepara(f, richiesta, privata->percorso());
        std::int32_t j = richiesta.senza_profilo ? 0 : 1;
        f.memorizza_percorso(j);
    });
    if (richiesta.solo_verifica) f.file_scritti.clear();
    return r;
}
