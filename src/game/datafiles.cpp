// The three data files are read once at start-up; a damaged file must never crash the game,
// so every read is bounded and anything unreadable counts as empty.
#include "game/datafiles.h"

#include <fstream>
#include <sstream>

#include "game/storage_error.h"

namespace zenthar {

std::string ReadWholeFile(const std::filesystem::path& file) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(file, ec))
        throw StorageError(errors::kFileNotFound, "Missing data file: " + file.string());
    std::ifstream in(file, std::ios::binary);
    if (!in) throw StorageError(errors::kPathFileAccess, "Cannot read data file: " + file.string());
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

FieldReader::FieldReader(std::string text) : text_(std::move(text)) {
    if (text_.starts_with("\xEF\xBB\xBF")) pos_ = 3;
}

bool FieldReader::atEnd() const {
    for (std::size_t i = pos_; i < text_.size(); ++i)
        if (text_[i] != ' ' && text_[i] != '\t' && text_[i] != '\r' && text_[i] != '\n' &&
            text_[i] != '\x1a')
            return false;
    return true;
}

void FieldReader::skipBlanks() {
    while (pos_ < text_.size() && (text_[pos_] == ' ' || text_[pos_] == '\t')) ++pos_;
}

// After a field: drop anything up to and including the next comma or line end.
void FieldReader::skipPastDelimiter() {
    while (pos_ < text_.size()) {
        char c = text_[pos_];
        if (c == ',') {
            ++pos_;
            return;
        }
        if (c == '\n') {
            ++pos_;
            return;
        }
        if (c == '\r') {
            ++pos_;
            if (pos_ < text_.size() && text_[pos_] == '\n') ++pos_;
            return;
        }
        ++pos_;
    }
}

std::string FieldReader::readText() {
    skipBlanks();
    std::string field;
    if (pos_ < text_.size() && text_[pos_] == '"') {
        std::size_t close = text_.find('"', pos_ + 1);
        std::size_t lineEnd = text_.find_first_of("\r\n", pos_ + 1);
        if (close == std::string::npos || (lineEnd != std::string::npos && close > lineEnd))
            close = lineEnd == std::string::npos ? text_.size() : lineEnd;
        field = text_.substr(pos_ + 1, close - pos_ - 1);
        pos_ = close < text_.size() && text_[close] == '"' ? close + 1 : close;
        skipPastDelimiter();
        return field;
    }
    while (pos_ < text_.size() && text_[pos_] != ',' && text_[pos_] != '\r' && text_[pos_] != '\n')
        field += text_[pos_++];
    skipPastDelimiter();
    return field;
}

double FieldReader::readNumber() {
    skipBlanks();
    std::string token;
    if (pos_ < text_.size() && text_[pos_] == '"') return LeadingNumber(readText());
    while (pos_ < text_.size() && text_[pos_] != ',' && text_[pos_] != '\r' &&
           text_[pos_] != '\n' && text_[pos_] != ' ' && text_[pos_] != '\t')
        token += text_[pos_++];
    // A blank ends the number as a comma would: "10 20 3" holds three numbers. Blanks before
    // a comma or the line end belong to this field; anything else starts the next one.
    skipBlanks();
    if (pos_ < text_.size() && (text_[pos_] == ',' || text_[pos_] == '\r' || text_[pos_] == '\n'))
        skipPastDelimiter();
    return LeadingNumber(token);
}

void ReadCrtFile(const std::filesystem::path& file, CrtTableType& table) {
    FieldReader in(ReadWholeFile(file));
    for (auto& column : table) column.fill(0);
    for (std::size_t c = 0; c < 6 && !in.atEnd(); ++c)
        for (std::size_t r = 0; r < 9 && !in.atEnd(); ++r)
            table[c][r] = static_cast<int>(Saturate16(Round(in.readNumber())));
}

void ReadPlanetsFile(const std::filesystem::path& file, GameState& st) {
    FieldReader in(ReadWholeFile(file));
    int n = 0;
    while (!in.atEnd() && n < kPlanetSlots) {
        std::string s = in.readText();
        PlanetRecord& p = st.PlanetList[static_cast<std::size_t>(n)];
        p.PlanetId = s.substr(0, std::min<std::size_t>(2, s.size()));
        p.Name = s.size() > 3 ? s.substr(3) : std::string();
        ++n;
    }
    st.PlanetNamesLast = n - 1;
}

void CheckPlanetIds(const std::filesystem::path& file, const GameState& st) {
    for (int n = 0; n <= st.PlanetNamesLast; ++n) {
        const std::string id = FormatTwoDigits(n + 1);
        if (st.planet(n).PlanetId.padded() != id)
            throw StorageError(errors::kTypeMismatch, "Damaged data file: " + file.string() +
                                                          ", line " + FormatPlain(n + 1) +
                                                          " must begin with the planet id " + id +
                                                          ".");
    }
}

void ReadBackgroundFile(const std::filesystem::path& file, GameState& st) {
    FieldReader in(ReadWholeFile(file));
    st.BackgroundStars.fill(BackgroundStar{});
    for (std::size_t i = 0; i < st.BackgroundStars.size() && !in.atEnd(); ++i) {
        BackgroundStar& s = st.BackgroundStars[i];
        s.x = Round16(in.readNumber());
        s.y = Round16(in.readNumber());
        s.colour = Round16(in.readNumber());
    }
}

}  // namespace zenthar
