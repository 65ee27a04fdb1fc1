#pragma once

// The command line: parses the options and runs what they ask for. Returns the exit status.
int esegui_comando(int argc, char** argv);
