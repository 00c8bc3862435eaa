// Random numbers for galaxies, dice, rebels and the Empire.
#include "game/random.h"

#include <chrono>

namespace zenthar {

SystemRandom::SystemRandom() {
    std::random_device rd;
    auto t = static_cast<unsigned long long>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count());
    std::seed_seq seq{rd(), rd(), static_cast<unsigned>(t), static_cast<unsigned>(t >> 32)};
    engine_.seed(seq);
}

SystemRandom::SystemRandom(unsigned long long seed) : engine_(seed), deterministic_(true) {}

double SystemRandom::next() {
    // 53 random bits: uniform in [0, 1) and never exactly 1.
    return static_cast<double>((engine_() ^ mix_) >> 11) * (1.0 / 9007199254740992.0);
}

void SystemRandom::reseed() {
    // Mixing rather than restarting: a reseed within the same second must not replay draws.
    ++reseeds_;
    unsigned long long fresh = reseeds_;
    if (!deterministic_)
        fresh ^= static_cast<unsigned long long>(
            std::chrono::high_resolution_clock::now().time_since_epoch().count());
    // Every battle round reseeds, so reseeding must be cheap: the fresh value is stirred into a
    // mask laid over the engine's output (a uniform draw stays uniform under a fixed mask)
    // instead of rebuilding the engine's 312 words of state.
    unsigned long long z = mix_ ^ engine_() ^ (fresh * 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    mix_ = z ^ (z >> 31);
}

}  // namespace zenthar
