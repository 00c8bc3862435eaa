// The command line of zenthar-sim: every option is optional, every bad one is refused with a
// message that names it.
#pragma once

#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "sim/simulation.h"

namespace zenthar::sim {

struct CommandLine {
    SimulationOptions game;  // seed, years, set-up, files; programDir empty = beside the program
    int games = 1;
    int soak = 0;
    bool everySkill = false;  // --skill all: the games once at each skill, then a balance table  //
                              // games of the long soak; 0: play the set-up given
    bool json = false;
    bool timing = true;
    bool help = false;
};

// The parsed command line, or the message that refuses it.
std::variant<CommandLine, std::string> ParseCommandLine(const std::vector<std::string>& args);

std::string UsageText();

// Every option the command line takes, as typed ("--games", "-h").
std::vector<std::string> OptionNames();

}  // namespace zenthar::sim
