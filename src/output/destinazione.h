#pragma once

#include <string>

#include "output/flusso_uscita.h"

// Where a compilation's files go. The files of one compilation are one set: each is opened,
// written whole, and none is visible as a result until `conferma` makes them all so.
class destinazione {
  public:
    virtual ~destinazione() = default;
    // A new file of the set, by its name (no folder). Valid until the destination goes away.
    virtual flusso_uscita& apri(const std::string& nome) = 0;
    // Whether the set takes a file of this name: one it declines is neither encoded nor
    // opened, so a file that another compilation writes costs nothing here.
    virtual bool vuole(const std::string& /*nome*/) const { return true; }
    // Every file of the set is complete: make them the result, together.
    virtual void conferma() = 0;
};
