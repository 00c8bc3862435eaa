// Who has won, from what each side holds and, once a game's chosen length has run out, from
// the sides' scores: the one rule behind the year end's victory test and behind telling, from a
// saved game's chronicle, whether that game was decided.
#pragma once

#include <array>
#include <limits>
#include <string>
#include <vector>

#include "game/state.h"

namespace zenthar {

// The winner when more than one side has the highest score as time runs out.
inline constexpr int kSharedWin = kSides;

// Whether the year `yearEnded`, just ended, was the last of a game of `length` years (0: a game
// played until one side holds the galaxy, which never runs out).
constexpr bool TimeIsUp(int length, int yearEnded) {
    return length > 0 && yearEnded >= kFirstYear + length - 1;
}

// Whether a task force that arrives in `arrival` (its arrival year) lands while the game of
// `length` years is still on: it lands at the year end that makes `arrival` the current year,
// and the last year end is that of the game's last year.
constexpr bool LandsInTime(int length, int arrival) {
    return length <= 0 || arrival <= kFirstYear + length;
}

// Whether the game's time has run out: the year end of its last year is over, and no turn
// is played after it.
constexpr bool TimeRanOut(const GameState& st) {
    return TimeIsUp(st.GameLength, st.CurrentYear - 1);
}

// The scores that decide a game whose time ran out with the year; `up` false while it has not.
struct TimeOut {
    bool up = false;
    std::array<long long, kSides> scores{};  // a side not in the game scores nothing
};

// holds: the side owns a planet; inFlight: the side has a task force in flight. The one player
// still holding either once the Empire holds neither, or the Empire once no player holds
// either. Otherwise, when time is up, the side with the highest score among the players and
// the Empire, or kSharedWin should several have it; -1 while the game is open.
inline int WinnerOf(int players, const std::array<bool, kSides>& holds,
                    const std::array<bool, kSides>& inFlight, const TimeOut& time = {}) {
    const auto byScore = [&]() {
        if (!time.up) return -1;
        int best = kEmpire;
        int sharing = 1;
        for (int p = 0; p < players; ++p) {
            const long long score = time.scores[static_cast<std::size_t>(p)];
            const long long top = time.scores[static_cast<std::size_t>(best)];
            if (score > top) {
                best = p;
                sharing = 1;
            } else if (score == top) {
                ++sharing;
            }
        }
        return sharing > 1 ? kSharedWin : best;
    };
    // The usual year: the Empire and a player both hold planets, and no fleet can change that.
    for (int p = 0; p < players && holds[kEmpire]; ++p)
        if (holds[static_cast<std::size_t>(p)]) return byScore();
    int standing = 0;
    int last = -1;
    for (int p = 0; p < players; ++p) {
        if (!holds[static_cast<std::size_t>(p)] && !inFlight[static_cast<std::size_t>(p)]) continue;
        ++standing;
        last = p;
    }
    if (standing == 0) return kEmpire;
    if (standing == 1 && !holds[kEmpire] && !inFlight[kEmpire]) return last;
    return byScore();
}

// The sides named in a sentence: "Ann", "Ann and the Empire", "Ann, Bo and Cy"; a sentence
// that starts with the Empire gets its capital.
inline std::string SidesText(const GameState& st, const std::vector<int>& sides) {
    std::string names;
    for (std::size_t i = 0; i < sides.size(); ++i) {
        if (i > 0) names += i + 1 == sides.size() ? " and " : ", ";
        names += sides[i] == kEmpire ? (i ? "the Empire" : "The Empire")
                                     : st.PlName.at(static_cast<std::size_t>(sides[i])).trimmed();
    }
    return names;
}

}  // namespace zenthar
