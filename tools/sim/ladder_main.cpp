// zenthar-ladder: the computer levels' ladder as a Markdown table (the README's balance
// section). Usage: zenthar-ladder [--games N] [--seed S] [--planets P] [--years Y]
//                                 [--length Y] [--program-dir DIR] [--seats K,K... [--skill LEVEL]]
// With --seats it plays that one match (at the Intermediate Empire unless --skill says
// otherwise) and prints its row alone; --each-game writes a line per game to the error output
// (winner, each seat's longest run of idle years, every capital fall with its defenders).
#include <cstdlib>
#include <iostream>
#include <optional>
#include <string>

#include "game/skill.h"
#include "game/state.h"
#include "game/storage_error.h"
#include "sim/ladder.h"

int main(int argc, char** argv) {
    zenthar::sim::MatchOptions o;
    o.programDir = ZENTHAR_PROGRAM_DIR;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--each-game") {
            o.eachGame = &std::cerr;
            continue;
        }
        if (i + 1 >= argc) {
            std::cerr << "zenthar-ladder: " << arg << " wants a value\n";
            return 2;
        }
        const std::string value = argv[++i];
        const long long n = std::atoll(value.c_str());
        if (arg == "--program-dir") {
            o.programDir = value;
        } else if (arg == "--seats") {
            o.seats = zenthar::sim::SeatNames(value);
            if (o.seats.empty()) {
                std::cerr << "zenthar-ladder: --seats takes one to four of "
                          << zenthar::sim::SeatChoiceWords() << ", not " << value << "\n";
                return 2;
            }
        } else if (arg == "--skill") {
            const std::optional<int> skill = zenthar::SkillNamed(value);
            if (!skill) {
                std::cerr << "zenthar-ladder: unknown skill " << value << "\n";
                return 2;
            }
            o.skill = *skill;
        } else if (n < 1) {
            std::cerr << "zenthar-ladder: " << arg << " wants a number of 1 or more\n";
            return 2;
        } else if (arg == "--games") {
            o.games = static_cast<int>(n);
        } else if (arg == "--seed") {
            o.seed = static_cast<unsigned long long>(n);
        } else if (arg == "--planets" && n >= 5 && n <= 50) {
            o.planets = static_cast<int>(n);
        } else if (arg == "--years") {
            o.years = static_cast<int>(n);
        } else if (arg == "--length" && n <= zenthar::kLongestGame) {
            o.length = static_cast<int>(n);
        } else {
            std::cerr << "zenthar-ladder: unknown option or value " << arg << " " << value << "\n";
            return 2;
        }
    }
    try {
        if (o.seats.empty()) {
            zenthar::sim::PrintLadder(std::cout, o);
        } else {
            zenthar::sim::PrintLadderHead(std::cout);
            zenthar::sim::PrintMatchRow(std::cout, o);
        }
    } catch (const zenthar::StorageError& e) {
        std::cerr << "zenthar-ladder: " << e.what() << "\n";
        return 3;
    }
    return 0;
}
