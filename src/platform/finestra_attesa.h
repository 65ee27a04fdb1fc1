#pragma once

#include <chrono>

// The window "Form1" with the label "Attendere", shown without waiting and painted at
// once, removed when the object goes away. Where the platform has no windows it shows
// nothing.
class finestra_attesa {
  public:
    finestra_attesa();
    ~finestra_attesa();
    finestra_attesa(const finestra_attesa&) = delete;
    finestra_attesa& operator=(const finestra_attesa&) = delete;

    // Keeps the window up, answering the system, for a while (for tests that look at it).
    void trattieni(std::chrono::milliseconds durata);

    bool mostrata() const { return maniglia_ != nullptr; }
    void* maniglia() const { return maniglia_; }

  private:
    void* maniglia_ = nullptr;
};

// True where the program can show a real window and message box.
bool finestre_disponibili();
