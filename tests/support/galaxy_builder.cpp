// Test galaxies and temporary program folders.
#include "support/galaxy_builder.h"

#include "setup/newgame.h"

namespace zenthar::testing {

std::string ReadText(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

sim::SimulationOptions SeededGame(int players, int planets, int years, unsigned long long seed,
                                  int skill) {
    sim::SimulationOptions o;
    o.players = players;
    o.planets = planets;
    o.skill = skill;
    o.years = years;
    o.seed = seed;
    o.programDir = ZENTHAR_PROGRAM_DIR;
    return o;
}

GalaxyBuilder& GalaxyBuilder::players(std::vector<std::string> names) {
    game_.st.PlayesNum = static_cast<int>(names.size());
    for (std::size_t k = 0; k < names.size() && k < 4; ++k) game_.st.PlName[k] = names[k];
    return *this;
}

GalaxyBuilder& GalaxyBuilder::planet(int i, int x, int y) {
    EXPECT_EQ(i, count_) << "planets must be added in index order";
    PlanetRecord& p = game_.st.planet(i);
    p.XPos = static_cast<Int16>(x);
    p.YPos = static_cast<Int16>(y);
    p.Production = 1;
    p.MaxProd = 10;
    p.WillProd = -1;
    p.Hostility = 5;
    p.Ships = 0;
    p.Ico = "med_pl.ico";
    p.Scouted = "0000";
    p.KnownShip = p.KnownProd = p.KnownHost = p.YearScouted = {};
    p.OnMap = 0;
    count_ = i + 1;
    lastOwner_ = -1;
    return *this;
}

GalaxyBuilder& GalaxyBuilder::owner(int player) {
    last().setDigit(player, '2');
    lastOwner_ = player;
    return *this;
}

GalaxyBuilder& GalaxyBuilder::home() {
    EXPECT_GE(lastOwner_, 0) << "home() needs owner() first";
    if (lastOwner_ < 0) return *this;
    last().setDigit(lastOwner_, '3');
    game_.st.PlHome[static_cast<std::size_t>(lastOwner_)] = static_cast<Int16>(count_ - 1);
    last().Hostility = 0;
    last().MaxProd = 20;
    last().Ico = "good_pl.ico";
    return *this;
}

void GalaxyBuilder::build() {
    GameState& st = game_.st;
    st.PlanetsNum = count_;
    if (st.PlayesNum == 0) st.PlayesNum = 1;
    if (st.CurrentYear == 0) st.CurrentYear = 4100;
    CountOwnedPlanets(st);
    for (std::size_t k = 0; k < static_cast<std::size_t>(st.PlayesNum); ++k)
        if (st.PlSymbol[k].blank()) st.PlSymbol[k] = kPlayerSymbols[k];
    st.TaskForceLast = -1;
    BuildProdOrder(st);
    st.GameActive = true;
}

}  // namespace zenthar::testing
