#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "driver/stato_attesa.h"
#include "platform/finestra_attesa.h"

// How a run shows that it is working: the window Form1, whose message box then tells
// " Errore n. ..."; "Attendere" on the terminal; or nothing.
enum class modo_attesa { nessuno, terminale, finestra };

// The window where the platform has one and it is wanted, else the terminal, unless quiet.
modo_attesa modo_attesa_per(bool silenzioso, bool finestra_voluta);

// Shown from construction to destruction, around the whole run.
class vista_attesa {
  public:
    // `trattenuta` keeps the window up that long before the work starts (for tests).
    explicit vista_attesa(modo_attesa modo,
                          std::chrono::milliseconds trattenuta = std::chrono::milliseconds(0));

    // What `errore` shows its text with: the message box over the window. Without the
    // window it is empty, and `errore` takes the box's OK without showing one.
    std::function<std::int32_t(const std::string&)> casella_errore();

  private:
    std::optional<finestra_attesa> finestra_;
    std::optional<stato_attesa> terminale_;
};
