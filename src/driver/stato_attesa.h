#pragma once

// "Attendere" on the terminal while a run is in progress, erased when it ends.
// Shown only when stderr is a terminal, so that scripts and logs see nothing.
class stato_attesa {
  public:
    explicit stato_attesa(bool richiesto);
    ~stato_attesa();
    stato_attesa(const stato_attesa&) = delete;
    stato_attesa& operator=(const stato_attesa&) = delete;

    void cancella();

  private:
    bool visibile_ = false;
};
