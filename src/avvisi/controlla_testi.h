#pragma once

struct ambiente_compilazione;

// The checking pass: reads both source texts again, line by line, after the compilation, and
// adds a warning or a note for what an author almost surely got wrong. It reads the findings
// to learn where each reading stopped, and reports what the readers would have found further
// on. It never touches the model or the compiled files.
void controlla_testi(ambiente_compilazione& a);
