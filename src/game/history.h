// The game's chronicle: what every side held at the end of each year, and that year's turn
// report. The year end adds a year; saving and opening keep it with the game.
#pragma once

#include <limits>
#include <memory>
#include <string>
#include <vector>

namespace zenthar {

// The longest report a year can write: a thousand task forces landing, each a line.
inline constexpr std::size_t kMaxReportBytes = 1u << 20;

// A figure a year of an older file does not hold.
inline constexpr int kNoFigure = std::numeric_limits<int>::min();

// One side's figures at the end of one year (game/history_columns.h says which are public).
struct SideYear {
    int side = 0;  // 0..3 a player, 4 the Empire
    int planets = 0;
    int production = 0;
    int ships = 0;  // stationed on the side's planets
    int shipsInFlight = 0;
    int battlesWon = 0;
    int battlesLost = 0;
    int score = 0;  // from the public figures alone
};

struct HistoryYear {
    int year = 0;                 // the year that ended
    std::vector<SideYear> sides;  // the players in order, then the Empire

    const SideYear* find(int side) const;

    // The turn report text as the year end wrote it.
    void setReport(std::string text) {
        text_ = std::move(text);
        packed_.clear();
    }
    // A report as the game file keeps it, its framing already checked; it is unpacked only
    // when somebody reads it, so opening a long game does not unpack three hundred reports.
    void setPackedReport(std::string packed) {
        packed_ = std::move(packed);
        text_.clear();
    }
    // The report's text into `text`; false when a packed report does not unpack (a file
    // damaged in a way its checksum did not show), `text` then empty.
    bool report(std::string& text) const;
    // The report as the game file keeps it, made when first asked for. Years are shared
    // between copies of a game and never change, so the packed text is made once.
    const std::string& packedReport() const;

  private:
    std::string text_;            // the text, when this year was recorded in this run
    mutable std::string packed_;  // the packed text, from the file or made for it
};

// The years in their order. Copying a game copies only pointers: an End Turn keeps a copy of
// the whole game to put back should the disk fail, and the years would otherwise be most of it.
class History {
  public:
    void add(HistoryYear year) {
        years_.push_back(std::make_shared<const HistoryYear>(std::move(year)));
    }
    void add(std::shared_ptr<const HistoryYear> year) { years_.push_back(std::move(year)); }
    std::size_t size() const { return years_.size(); }
    bool empty() const { return years_.empty(); }
    const HistoryYear& operator[](std::size_t i) const { return *years_[i]; }
    const HistoryYear& back() const { return *years_.back(); }
    // The year that ended in `year`, or nullptr.
    const HistoryYear* find(int year) const;
    void clear() { years_.clear(); }

  private:
    std::vector<std::shared_ptr<const HistoryYear>> years_;
};

// The winner of the last year the chronicle shows decided (a player, kEmpire, or kSharedWin
// for a tie on score when a game of `length` years ran out), by the year end's own rule on the
// figures it recorded; -1 when no year was.
int LastWinner(const History& chronicle, int players, int length);

// Whether the chronicle's last year ended a game of `length` years on score: it was the game's
// last, and no side held the galaxy at its end.
bool EndedOnScore(const History& chronicle, int players, int length);

// The sides with the highest score in the year, players in order and then the Empire.
std::vector<int> ScoreLeaders(const HistoryYear& year);

// A report packed for the game file, and back. The packed form is framed: a mark, the year the
// report is about, the text's length and a checksum of the year and the deflated bytes, so the
// file's check sees damage, and a report moved to another year, without unpacking. Unpack
// returns false for bytes that are not a packed report or would unpack to more than `limit`
// bytes.
std::string PackReport(const std::string& text, int year);
bool UnpackReport(const std::string& packed, std::string& text, std::size_t limit);

// What the file's check asks of a packed report kept for `year`: the framing is whole, the
// length within `limit`, the year the frame names is `year` and the checksum right. A frame of an
// earlier version names no year and is checked without it. A report packed before the framing
// (bare deflate) cannot be checked this way: Framed says so, and it is unpacked instead.
bool Framed(const std::string& packed);
bool PackedReportIntact(const std::string& packed, std::size_t limit, int year);

}  // namespace zenthar
