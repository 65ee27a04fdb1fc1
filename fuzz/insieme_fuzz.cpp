// libFuzzer target for the output folder: a set of files replaces an earlier one while the
// input chooses the files, their bytes, and the steps (any creation, write, close, rename,
// link or removal) that fail or where the run is killed. After each run, once the next run
// into the folder has put it right, the folder must hold the whole old set or the whole new
// one, and nothing else of ours.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>
#include <string_view>

#include "../tests/operazioni_guaste.h"
#include "output/destinazione_cartella.h"
#include "output/nomi_temporanei.h"
#include "platform/cartella_temporanea.h"

namespace {

namespace fs = std::filesystem;
using insieme = std::map<std::string, std::string>;

[[noreturn]] void viola(const std::string& cosa) {
    std::fprintf(stderr, "violazione: %s\n", cosa.c_str());
    std::abort();
}

// The input, read a byte at a time; zeros once it runs out.
struct lettore {
    std::string_view resto;
    std::uint8_t byte() {
        if (resto.empty()) return 0;
        const auto b = static_cast<std::uint8_t>(resto.front());
        resto.remove_prefix(1);
        return b;
    }
    std::string pezzo(std::size_t massimo) {
        const std::size_t n = std::min<std::size_t>(byte() % (massimo + 1), resto.size());
        std::string p(resto.substr(0, n));
        resto.remove_prefix(n);
        return p;
    }
};

constexpr const char* nomi_possibili[] = {"F_linea.dat", "F_1.sim", "F_1.dat", "F_2.sim"};

// A set of one to four files of the names above (some shared with the other set).
insieme leggi_insieme(lettore& l) {
    insieme file;
    const std::uint8_t scelta = l.byte();
    for (std::size_t i = 0; i < 4; ++i) {
        if ((scelta >> i & 1) != 0) file[nomi_possibili[i]] = l.pezzo(64);
    }
    if (file.empty()) file[nomi_possibili[0]] = l.pezzo(64);
    return file;
}

insieme contenuto(const std::string& cartella) {
    insieme file;
    for (const auto& voce : fs::directory_iterator(cartella)) {
        const std::string nome = voce.path().filename().string();
        if (nome == nome_blocco) continue;
        std::FILE* f = std::fopen(voce.path().c_str(), "rb");
        std::string byte;
        char blocco[256];
        for (std::size_t n; (n = std::fread(blocco, 1, sizeof blocco, f)) > 0;)
            byte.append(blocco, n);
        std::fclose(f);
        file[nome] = byte;
    }
    return file;
}

// A run writing the set as the compiler does, a file at a time, each in up to two pieces.
void scrivi_insieme(const std::string& cartella, const insieme& file, operazioni_file& op) {
    destinazione_cartella d(cartella, op);
    for (const auto& [nome, byte] : file) {
        flusso_uscita& f = d.apri(nome);
        const std::size_t meta = byte.size() / 2;
        f.scrivi(byte.substr(0, meta));
        f.scrivi_in(meta, byte.data() + meta, byte.size() - meta);
    }
    d.conferma();
}

const std::string& cartella_di_prova() {
    static const cartella_temporanea cartella;
    return cartella.percorso();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t n) {
    lettore l{std::string_view(reinterpret_cast<const char*>(dati), n)};
    const std::string& cartella = cartella_di_prova();
    for (const auto& voce : fs::directory_iterator(cartella)) fs::remove_all(voce.path());

    const std::uint8_t modo = l.byte();
    const bool senza_collegamenti = (modo & 1) != 0;
    std::map<long, operazioni_guaste::esito> punti;
    for (int i = 0; i < 1 + (modo >> 1 & 3); ++i) {
        const long passo = l.byte() % 48;
        punti[passo] = (l.byte() & 1) != 0 ? operazioni_guaste::esito::uccide
                                           : operazioni_guaste::esito::fallisce;
    }
    const insieme vecchio = (modo & 8) != 0 ? leggi_insieme(l) : insieme{};
    const insieme nuovo = leggi_insieme(l);

    operazioni_guaste sane({}, false);
    if (!vecchio.empty()) scrivi_insieme(cartella, vecchio, sane);
    insieme atteso_vecchio = contenuto(cartella);

    operazioni_guaste guaste(punti, senza_collegamenti);
    enum class fine { riuscita, guasto, uccisa } come = fine::riuscita;
    try {
        scrivi_insieme(cartella, nuovo, guaste);
    } catch (const morte_simulata&) {
        come = fine::uccisa;
    } catch (const guasto&) {
        come = fine::guasto;
    }

    destinazione_cartella(cartella).prepara();
    const insieme dopo = contenuto(cartella);
    insieme atteso_nuovo = atteso_vecchio;
    for (const auto& [nome, byte] : nuovo) atteso_nuovo[nome] = byte;
    if (dopo != atteso_vecchio && dopo != atteso_nuovo) viola("né il vecchio insieme né il nuovo");
    if (come == fine::riuscita && dopo != atteso_nuovo) viola("un insieme riuscito non c'è");
    if (come == fine::guasto && dopo != atteso_vecchio) viola("un insieme fallito è rimasto");
    return 0;
}
