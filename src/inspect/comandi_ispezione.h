#pragma once

#include <string>
#include <string_view>
#include <vector>

// `dump FILE [--json] [--from N] [--to N] [--all]`: the arguments after "dump".
// Returns the exit status: 0, 1 for a file that cannot be read or decoded, 64 for misuse.
int esegui_dump(const std::vector<std::string_view>& argomenti);

// `plan SIM_FILE -o PLAN.svg`: the arguments after "plan". Exit status as for dump.
int esegui_plan(const std::vector<std::string_view>& argomenti);

// Draws the scenario whose station table is `file_sim` into `file_svg`, replacing it whole.
// Throws guasto when a file cannot be read, decoded or written.
void disegna_piano(const std::string& file_sim, const std::string& file_svg);
