// Fuzzing saved games: a script of bytes turned into edits of a valid saved game (SQL that sets
// fields of random rows to odd values or to nothing, drops rows, fields and tables, puts views in
// place of tables; then flipped, overwritten and cut bytes), and a second, independent statement
// of the rules a loadable game keeps, to judge the loader's verdict against.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace zenthar::testing {

// Applies the edits the script describes; `log` receives one line per edit that took effect.
std::vector<unsigned char> MutateSavedGame(const std::vector<unsigned char>& base,
                                           std::span<const std::uint8_t> script,
                                           std::vector<std::string>* log = nullptr);

// Nothing when the file is a game the loader must accept; otherwise the rule it breaks.
std::optional<std::string> ReferenceRefusal(std::span<const unsigned char> bytes);

}  // namespace zenthar::testing
