#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "lsp/cornice.h"

namespace {

// What came out of the reader, one entry per message: the body, or "!" for a dropped header.
std::vector<std::string> letture(lettore_cornici& lettore) {
    std::vector<std::string> uscita;
    while (std::optional<cornice_letta> c = lettore.prossima())
        uscita.push_back(c->valida ? c->corpo : "!");
    return uscita;
}

std::vector<std::string> a_blocchi(std::string_view flusso, std::size_t blocco) {
    lettore_cornici lettore;
    std::vector<std::string> uscita;
    for (std::size_t i = 0; i < flusso.size(); i += blocco) {
        lettore.aggiungi(flusso.substr(i, blocco));
        for (std::string& s : letture(lettore)) uscita.push_back(std::move(s));
    }
    return uscita;
}

struct caso_flusso {
    const char* nome;
    std::string flusso;
    std::vector<std::string> attese;
};

const std::string garbuglio(9000, 'x');

const std::vector<caso_flusso> casi_flusso = {
    {"two messages", incornicia("{\"a\":1}") + incornicia("[]"), {"{\"a\":1}", "[]"}},
    {"other header lines and any case",
     "Content-Type: application/vscode-jsonrpc\r\ncontent-length:  3\r\n\r\nabc",
     {"abc"}},
    {"an empty body", "Content-Length: 0\r\n\r\n", {""}},
    {"no length", "Content-Type: x\r\n\r\n" + incornicia("ok"), {"!", "ok"}},
    {"a length that is no number", "Content-Length: 1e3\r\n\r\n" + incornicia("ok"), {"!", "ok"}},
    {"a negative length", "Content-Length: -4\r\n\r\n" + incornicia("ok"), {"!", "ok"}},
    {"a length past the limit",
     "Content-Length: 99999999999\r\n\r\n" + incornicia("ok"),
     {"!", "ok"}},
    {"a header line without a colon",
     "Content-Length 3\r\n\r\nabc" + incornicia("ok"),
     {"!", "ok"}},
    {"bytes in front of a header", "xyzContent-Length: 2\r\n\r\nok", {"!", "ok"}},
    {"a header that never ends", garbuglio + incornicia("ok"), {"!", "ok"}},
    {"a body cut short by the end of the input", "Content-Length: 10\r\n\r\nabc", {}},
};

class flusso_cornici : public testing::TestWithParam<caso_flusso> {};

// The messages, and one "!" for each run of dropped headers: how many headers a run of
// garbage makes depends on where the reads cut it.
std::vector<std::string> in_breve(const std::vector<std::string>& letture) {
    std::vector<std::string> uscita;
    for (const std::string& l : letture) {
        if (l != "!" || uscita.empty() || uscita.back() != "!") uscita.push_back(l);
    }
    return uscita;
}

TEST_P(flusso_cornici, gives_the_same_messages_however_the_bytes_arrive) {
    const caso_flusso& c = GetParam();
    EXPECT_EQ(a_blocchi(c.flusso, c.flusso.size() + 1), c.attese);
    for (const std::size_t blocco : {std::size_t{1}, std::size_t{7}}) {
        EXPECT_EQ(in_breve(a_blocchi(c.flusso, blocco)), c.attese) << "blocks of " << blocco;
    }
}

INSTANTIATE_TEST_SUITE_P(casi, flusso_cornici, testing::ValuesIn(casi_flusso),
                         [](const auto& info) {
                             std::string nome;
                             for (const char ch : std::string(info.param.nome))
                                 nome += std::isalnum(static_cast<unsigned char>(ch)) ? ch : '_';
                             return nome;
                         });

TEST(lettore_cornici, holds_no_more_than_a_header_of_garbage) {
    lettore_cornici lettore;
    for (int i = 0; i < 1000; ++i) {
        lettore.aggiungi(garbuglio);
        letture(lettore);
    }
    EXPECT_LE(lettore.in_attesa(), lettore_cornici::massimo_intestazione);
}

TEST(lettore_cornici, frames_what_it_reads) {
    EXPECT_EQ(incornicia("{}"), "Content-Length: 2\r\n\r\n{}");
    EXPECT_EQ(incornicia("è"), "Content-Length: 2\r\n\r\nè");
}

}  // namespace
