// The game's dice kept with a saved game: a restored source draws exactly what the original
// would have drawn, and a text it does not know leaves it as it was.
#include <gtest/gtest.h>

#include <vector>

#include "game/random.h"

namespace zenthar {
namespace {

std::vector<double> Draws(SystemRandom& r, int n) {
    std::vector<double> out;
    for (int k = 0; k < n; ++k) {
        if (k % 5 == 4) r.reseed();
        out.push_back(r.next());
    }
    return out;
}

TEST(Dice, ARestoredSourceKeepsItsStateAndDrawsWhatTheOriginalDraws) {
    for (const unsigned long long seed : {1ULL, 0x5eedULL, ~0ULL}) {
        SystemRandom original(seed);
        Draws(original, 23);  // draws and reseeds both in the state
        const std::string kept = original.state();

        SystemRandom resumed(seed + 1);
        ASSERT_TRUE(resumed.restore(kept)) << kept;
        EXPECT_EQ(resumed.state(), kept);
        EXPECT_EQ(Draws(resumed, 17), Draws(original, 17)) << "seed " << seed;
        EXPECT_EQ(resumed.state(), original.state());
    }
}

TEST(Dice, ATextThatIsNotAStateIsRefusedAndChangesNothing) {
    SystemRandom r(7);
    Draws(r, 6);
    const std::string before = r.state();
    for (const char* text : {"", "1 2 3", "1 2 3 4 ", " 1 2 3 4", "1  2 3 4", "1 2 3 4 5",
                             "1,2,3,4", "g 2 3 4", "1 2 3 x", "11111111111111111 2 3 4"}) {
        EXPECT_FALSE(r.restore(text)) << '"' << text << '"';
        EXPECT_EQ(r.state(), before) << '"' << text << '"';
    }
    SystemRandom copy(99);
    ASSERT_TRUE(copy.restore(before));
    EXPECT_EQ(Draws(copy, 4), Draws(r, 4));
}

}  // namespace
}  // namespace zenthar
