#pragma once

#include <string>
#include <vector>

#include "compilazione/reperto.h"
#include "lsp/buffer_aperti.h"
#include "lsp/file_partner.h"

// The findings that belong to one file, with the text the editor shows for it (UTF-8),
// which places them.
struct reperti_del_file {
    std::string percorso;
    std::string testo;
    std::vector<reperto> reperti;
};

// Compiles every pair `partner` stands for, each file taken from its open buffer or else
// from the disk, and sorts the findings by the file they belong to. Every file of the pairs
// is listed, with no finding when it has none; a finding of no single file goes to
// `percorso_modificato`, as does the one that names a missing partner.
std::vector<reperti_del_file> compila_partner(const partner_file& partner,
                                              const std::string& percorso_modificato,
                                              const buffer_aperti& buffer);
