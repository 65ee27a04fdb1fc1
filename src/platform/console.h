#pragma once

#include <cstddef>
#include <string>

// The console for the run: stdout and stderr carry UTF-8 bytes as they are, line ends
// included, and the console's previous code page comes back when the object goes away.
class console_utf8 {
  public:
    console_utf8();
    ~console_utf8();
    console_utf8(const console_utf8&) = delete;
    console_utf8& operator=(const console_utf8&) = delete;

  private:
    [[maybe_unused]] unsigned int precedente_ = 0;  // the code page before, where there is one
};

// True when stderr is a terminal a person is looking at.
bool errori_su_terminale();

// What erases a line of `lunghezza` characters that the cursor ends.
std::string cancella_riga(std::size_t lunghezza);

// A program started by a double click has a console of its own: let it go, so that only
// the program's window shows. Returns true when it did.
bool lascia_console_propria();
