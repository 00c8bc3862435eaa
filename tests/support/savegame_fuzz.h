// Fuzzing saved games: a script of bytes turned into edits of a valid saved game (SQL that sets
// fields of random rows to odd values or to nothing, drops rows, fields and tables, puts views in
// place of tables; then flipped, overwritten and cut bytes).
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace zenthar::testing {

// Applies the edits the script describes; `log` receives one line per edit that took effect.
std::vector<unsigned char> MutateSavedGame(const std::vector<unsigned char>& base,
                                           std::span<const std::uint8_t> script,
                                           std::vector<std::string>* log = nullptr);

}  // namespace zenthar::testing
