#pragma once

#include <string>

// A message box with the text, one OK button and the default title, over `proprietaria`
// (a window of finestra_attesa, or none). Returns the box's answer: 1 for OK. Where the
// platform has no windows nothing is shown and the answer is OK.
int mostra_casella_messaggio(const std::string& testo, void* proprietaria = nullptr);
