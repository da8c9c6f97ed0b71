#pragma once

#include "newsdesk/Options.h"

#include <optional>
#include <string>
#include <vector>

namespace newsdesk {

struct CommandLine {
    Options Desk;
    bool Help = false;
};

// Reads the program's arguments (without the program name): --host H,
// --port N, --stories N, --latency-ms N, --fail N,N, --redirect N,N,
// --stall N,N, --stall-ms N, --threads N and --help; each value may also be
// joined with "=". On a mistake it answers nothing and says why in error.
std::optional<CommandLine> ParseCommandLine(const std::vector<std::string>& args,
                                            std::string& error);

std::string UsageText();

} // namespace newsdesk
