// The platform layer: paths, file kinds, reading and deleting.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "aiuto_test.h"
#include "model/guasto.h"
#include "platform/cancellazione.h"
#include "platform/lettura_file.h"
#include "platform/percorsi.h"
#include "platform/percorso_fs.h"

namespace {

TEST(Percorsi, NomeECartella) {
    struct caso {
        const char* percorso;
        const char* cartella;
        const char* nome;
    };
    const caso casi[] = {
        {"a/b.txt", "a/", "b.txt"},
        {"b.txt", "", "b.txt"},
        {"/b.txt", "/", "b.txt"},
        {"a/b/", "a/b/", ""},
        {"", "", ""},
#ifdef _WIN32
        {"C:\\dir\\b.txt", "C:\\dir\\", "b.txt"},
        {"C:b.txt", "C:", "b.txt"},
        {"a\\b/c.txt", "a\\b/", "c.txt"},
#else
        {"a\\b.txt", "", "a\\b.txt"},  // a backslash is part of a name here
#endif
    };
    for (const caso& c : casi) {
        EXPECT_EQ(cartella_in_percorso(c.percorso), c.cartella) << c.percorso;
        EXPECT_EQ(nome_in_percorso(c.percorso), c.nome) << c.percorso;
    }
}

TEST(Percorsi, UnisciMetteUnSoloSeparatore) {
    const std::string s(1, separatore_preferito());
    EXPECT_EQ(unisci_percorso("a", "b.txt"), "a" + s + "b.txt");
    EXPECT_EQ(unisci_percorso("a/", "b.txt"), "a/b.txt");
    EXPECT_EQ(unisci_percorso("", "b.txt"), "b.txt");
    EXPECT_EQ(unisci_percorso("a", ""), "a" + s);
    EXPECT_TRUE(separatore_percorso(separatore_preferito()));
}

TEST(Percorsi, Utf8FinoAlFileSystem) {
    aiuto::cartella_temporanea d;
    const std::string nome = d.file("Città_già.txt");
    aiuto::scrivi(nome, "x");
    EXPECT_EQ(tipo_di(nome), tipo_file::ordinario);
    EXPECT_EQ(leggi_file(nome), "x");
    EXPECT_EQ(testo_percorso(percorso_fs(nome)), nome);
    EXPECT_EQ(aiuto::elenco(d.percorso()), "Città_già.txt\n");
}

TEST(LetturaFile, TipiEGuasti) {
    aiuto::cartella_temporanea d;
    aiuto::scrivi(d.file("vuoto"), "");
    std::filesystem::create_directory(percorso_fs(d.file("cartella")));
    EXPECT_EQ(tipo_di(d.file("vuoto")), tipo_file::ordinario);
    EXPECT_EQ(tipo_di(d.file("cartella")), tipo_file::cartella);
    EXPECT_EQ(tipo_di(d.file("assente")), tipo_file::assente);
    EXPECT_EQ(leggi_file(d.file("vuoto")), "");
    EXPECT_THROW(leggi_file(d.file("cartella")), guasto);
    try {
        leggi_file(d.file("assente"));
        ADD_FAILURE() << "an absent file was read";
    } catch (const guasto& g) {
        EXPECT_EQ(std::string(g.what()).rfind("impossibile aprire " + d.file("assente") + ": ", 0),
                  0u)
            << g.what();
    }
}

TEST(Cancellazione, UnFileGiaAndatoNonEUnGuasto) {
    aiuto::cartella_temporanea d;
    aiuto::scrivi(d.file("f"), "x");
    cancella_file(d.file("f"));
    EXPECT_EQ(tipo_di(d.file("f")), tipo_file::assente);
    EXPECT_NO_THROW(cancella_file(d.file("f")));
    cancella_se_esiste(d.file("f"));
    EXPECT_EQ(aiuto::elenco(d.percorso()), "");
}

}  // namespace
