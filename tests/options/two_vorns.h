// The galaxy Find Planet's tests search: Ann's capital and three planets of the Empire, of which
// planets 1 (at x 6) and 3 (at x 33) share the name Vorn.
#pragma once

#include "support/galaxy_builder.h"

namespace zenthar::testing {

// Builds the galaxy in `game` and returns the shared name as it is stored.
inline std::string BuildTwoVorns(Game& game) {
    // clang-format off
    GalaxyBuilder(game).players({"Ann"})
        .planet(0, 20, 11).owner(0).home()
        .planet(1, 6, 30).planet(2, 3, 8).planet(3, 33, 40).build();
    // clang-format on
    const std::string vorn = FixedText<40>("Vorn").padded();
    game.st.planet(1).Name = game.st.planet(3).Name = vorn;
    return vorn;
}

}  // namespace zenthar::testing
