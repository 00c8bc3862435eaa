// Watching the seats: the ladder's capital falls and idle years.
#include "sim/seat_watch.h"

#include <algorithm>

#include "turn/lookups.h"

namespace zenthar::sim {

SeatWatch::Holding SeatWatch::HoldingOf(const GameState& st, int side) {
    Holding h;
    for (int i = 0; i < st.PlanetsNum; ++i)
        if (OwnerOf(st, i) == side) {
            h.ships += st.planet(i).Ships;
            h.production += st.planet(i).Production;
        }
    h.lastTaskForce = st.TaskForceLast;
    return h;
}

class SeatWatch::Watched : public SeatPlayer {
  public:
    Watched(std::unique_ptr<SeatPlayer> player, SeatWatch& watch)
        : player_(std::move(player)), watch_(watch) {}
    void PlayTurn(Game& game) override {
        const int me = game.st.CurrentPlTurn;
        // A year end may pass and a seat play its next turn within one End Turn: a capital
        // lost there is noted before the turn, with the ships its owner left on it.
        watch_.afterYearEnd(game.st);
        const Holding before = HoldingOf(game.st, me);
        player_->PlayTurn(game);
        watch_.turnPlayed(me, before, game.st);
    }

  private:
    std::unique_ptr<SeatPlayer> player_;
    SeatWatch& watch_;
};

SeatWatch::SeatWatch(const GameState& st) : players_(std::clamp(st.PlayesNum, 0, kMaxPlayers)) {
    for (int k = 0; k < players_; ++k) {
        Seat& s = seats_[static_cast<std::size_t>(k)];
        s.capital = st.PlHome[static_cast<std::size_t>(k)];
        if (s.capital < 0 || s.capital >= st.PlanetsNum) s.capital = -1;
        s.owner = s.capital >= 0 ? OwnerOf(st, s.capital) : -1;
        s.left = s.capital >= 0 ? st.planet(s.capital).Ships : 0;
    }
}

std::unique_ptr<SeatPlayer> SeatWatch::watch(std::unique_ptr<SeatPlayer> player) {
    if (!player) return nullptr;
    return std::make_unique<Watched>(std::move(player), *this);
}

void SeatWatch::turnPlayed(int me, const Holding& was, const GameState& after) {
    if (me < 0 || me >= players_) return;
    Seat& s = seats_[static_cast<std::size_t>(me)];
    const Holding now = HoldingOf(after, me);
    const bool ordered = now.lastTaskForce != was.lastTaskForce ||
                         now.production != was.production || now.ships != was.ships;
    s.idleRun = was.ships > 0 && !ordered ? s.idleRun + 1 : 0;
    s.longestIdle = std::max(s.longestIdle, s.idleRun);
    s.left = s.capital >= 0 && OwnerOf(after, s.capital) == me ? after.planet(s.capital).Ships : 0;
}

void SeatWatch::afterYearEnd(const GameState& st) {
    for (int k = 0; k < players_; ++k) {
        Seat& s = seats_[static_cast<std::size_t>(k)];
        if (s.capital < 0) continue;
        const int owner = OwnerOf(st, s.capital);
        if (s.owner == k && owner != k) falls_.push_back({k, st.CurrentYear, owner, s.left});
        s.owner = owner;
    }
}

std::vector<int> SeatWatch::longestIdle() const {
    std::vector<int> years;
    for (int k = 0; k < players_; ++k)
        years.push_back(seats_[static_cast<std::size_t>(k)].longestIdle);
    return years;
}

}  // namespace zenthar::sim
