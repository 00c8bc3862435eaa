// Readers of the three data files shipped beside the program: the combat results table, the
// planet names and the background stars.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "game/state.h"

namespace zenthar {

// The comma-separated input rule of the data files: a field ends at a comma or at the end of
// the line, blanks before a field are skipped, a number also ends at a blank, and a field that
// starts with a double quote runs to the closing quote.
class FieldReader {
  public:
    // A byte-order mark, as some editors write, is not part of the first field.
    explicit FieldReader(std::string text);
    // True when nothing but line ends and blanks is left.
    bool atEnd() const;
    std::string readText();
    double readNumber();

  private:
    void skipBlanks();
    void skipPastDelimiter();
    std::string text_;
    std::size_t pos_ = 0;
};

// Each reader throws StorageError 53 naming the file when it is missing or unreadable.
void ReadCrtFile(const std::filesystem::path& file, CrtTableType& table);
void ReadPlanetsFile(const std::filesystem::path& file, GameState& st);
// The rest of the game finds a planet's slot from its id, so line n of the names file must
// carry the id n in two digits; throws StorageError 13 naming the file and the first bad line.
void CheckPlanetIds(const std::filesystem::path& file, const GameState& st);
void ReadBackgroundFile(const std::filesystem::path& file, GameState& st);

std::string ReadWholeFile(const std::filesystem::path& file);

}  // namespace zenthar
