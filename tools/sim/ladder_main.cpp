// zenthar-ladder: the computer levels' ladder as a Markdown table (the README's balance
// section). Usage: zenthar-ladder [--games N] [--seed S] [--planets P] [--years Y]
//                                 [--program-dir DIR]
#include <cstdlib>
#include <iostream>
#include <string>

#include "game/storage_error.h"
#include "sim/ladder.h"

int main(int argc, char** argv) {
    zenthar::sim::MatchOptions o;
    o.programDir = ZENTHAR_PROGRAM_DIR;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (i + 1 >= argc) {
            std::cerr << "zenthar-ladder: " << arg << " wants a value\n";
            return 2;
        }
        const std::string value = argv[++i];
        const long long n = std::atoll(value.c_str());
        if (arg == "--program-dir") {
            o.programDir = value;
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
        } else {
            std::cerr << "zenthar-ladder: unknown option or value " << arg << " " << value << "\n";
            return 2;
        }
    }
    try {
        zenthar::sim::PrintLadder(std::cout, o);
    } catch (const zenthar::StorageError& e) {
        std::cerr << "zenthar-ladder: " << e.what() << "\n";
        return 3;
    }
    return 0;
}
