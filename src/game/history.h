// The game's chronicle: what every side held at the end of each year, and that year's turn
// report. The year end adds a year; saving and opening keep it with the game.
#pragma once

#include <memory>
#include <string>
#include <vector>

namespace zenthar {

// One side's figures at the end of one year. The first three are the Production Summary's and
// public; the others only their own side may see while the game goes on.
struct SideYear {
    int side = 0;  // 0..3 a player, 4 the Empire
    int planets = 0;
    int production = 0;
    int ships = 0;  // stationed on the side's planets
    int shipsInFlight = 0;
    int battlesWon = 0;
    int battlesLost = 0;
};

struct HistoryYear {
    int year = 0;                 // the year that ended
    std::vector<SideYear> sides;  // the players in order, then the Empire
    std::string report;           // the turn report text as the year end wrote it

    const SideYear* find(int side) const;

    // The report as the game file keeps it, made when first asked for. Years are shared
    // between copies of a game and never change, so the packed text is made once.
    const std::string& packedReport() const;
    void setPackedReport(std::string packed) const { packed_ = std::move(packed); }

  private:
    mutable std::string packed_;
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

// A report packed for the game file, and back. Unpack returns false for bytes that are not a
// packed report or would unpack to more than `limit` bytes.
std::string PackReport(const std::string& text);
bool UnpackReport(const std::string& packed, std::string& text, std::size_t limit);

}  // namespace zenthar
