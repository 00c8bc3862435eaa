// Operations on the game state that several subsystems share.
#include "game/state.h"

namespace zenthar {

int PlanetRecord::digit(int player) const {
    if (player < 0 || player > 3) return 0;
    char c = Scouted[static_cast<std::size_t>(player)];
    return (c >= '0' && c <= '9') ? c - '0' : 0;
}

void BuildProdOrder(GameState& st) {
    std::size_t k = 0;
    for (int p = 20; p >= 1; --p)
        for (int i = 0; i < st.PlanetsNum && i < kPlanetSlots; ++i)
            if (st.PlanetList[static_cast<std::size_t>(i)].MaxProd == p && k < st.ProdOrder.size())
                st.ProdOrder[k++] = st.PlanetList[static_cast<std::size_t>(i)].PlanetId;
}

TaskForceSlots& TaskForceSlots::operator=(const TaskForceSlots& other) {
    if (this == &other) return *this;
    static const TaskForceRecord blank;
    const int keep = other.high_;
    for (int i = 0; i <= keep; ++i)
        slots_[static_cast<std::size_t>(i)] = other.slots_[static_cast<std::size_t>(i)];
    for (int i = keep + 1; i <= high_; ++i) slots_[static_cast<std::size_t>(i)] = blank;
    high_ = keep;
    return *this;
}

void ClearGame(GameState& st) {
    for (auto& p : st.PlanetList) {
        PlanetRecord fresh;
        fresh.PlanetId = p.PlanetId;
        fresh.Name = p.Name;
        p = fresh;
    }
    st.TaskForceLast = -1;
    st.Hatest.fill(0);
    st.PlHome.fill(0);
    st.StartYear = 0;
    st.StartPl = "";
    st.EndPl = "";
    st.EmpireOut = false;
    st.Seats.fill(SeatKind::Human);
    st.GameLength = 0;
    // "Carry on" was said about the game that ended; the next one announces its winner.
    st.VictoryAnswer = 0;
    st.Chronicle.clear();
    st.Decided = -1;
    st.StoryShown = false;
}

}  // namespace zenthar
