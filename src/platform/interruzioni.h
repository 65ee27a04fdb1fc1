#pragma once

#include <string>

// Ctrl-C and termination requests end the run cleanly: the files registered here are removed
// and the process exits with 128 + the signal's number (130, 143). A failing write is
// reported as an error, never by a signal that kills the process.
void prepara_interruzioni();

// A file removed if the run is interrupted while the object lives.
class da_cancellare_se_interrotto {
  public:
    explicit da_cancellare_se_interrotto(const std::string& percorso);
    ~da_cancellare_se_interrotto();
    da_cancellare_se_interrotto(const da_cancellare_se_interrotto&) = delete;
    da_cancellare_se_interrotto& operator=(const da_cancellare_se_interrotto&) = delete;

  private:
    int posto_;
};

// While it lives, an interruption only is noted: a commit of files checks for it between
// its steps, so that it can put the folder back in order first.
class interruzioni_rinviate {
  public:
    interruzioni_rinviate();
    ~interruzioni_rinviate();
    interruzioni_rinviate(const interruzioni_rinviate&) = delete;
    interruzioni_rinviate& operator=(const interruzioni_rinviate&) = delete;
};

// The signal noted while interruptions were put off; 0 when none came.
int interruzione_pendente();

// Removes the registered files and exits as the signal asked.
[[noreturn]] void termina_per_interruzione(int segnale);
