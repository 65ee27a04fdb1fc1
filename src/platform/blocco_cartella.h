#pragma once

#include <chrono>
#include <cstdint>
#include <string>

// An advisory lock on a file that only says so (it is created when missing and may stay):
// every run that writes into a folder takes its lock, so that two never mix their files.
// Held while the object lives, and let go by the system if the process dies.
class blocco_cartella {
  public:
    // Waits at most `attesa` for another holder to let go; past it, a fault that says so.
    blocco_cartella(const std::string& percorso, std::chrono::milliseconds attesa);
    ~blocco_cartella();
    blocco_cartella(const blocco_cartella&) = delete;
    blocco_cartella& operator=(const blocco_cartella&) = delete;

  private:
    std::intptr_t maniglia_;  // a descriptor, or a HANDLE on Windows
};
