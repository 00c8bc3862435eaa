// Random numbers for galaxies, dice, rebels and the Empire.
#include "game/random.h"

#include <array>
#include <charconv>
#include <chrono>

namespace zenthar {
namespace {

unsigned long long FreshSeed() {
    std::random_device rd;
    const auto t = static_cast<unsigned long long>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count());
    return ((static_cast<unsigned long long>(rd()) << 32) | rd()) ^ (t * 0x9E3779B97F4A7C15ULL);
}

}  // namespace

SystemRandom::SystemRandom() : SystemRandom(FreshSeed()) {}

SystemRandom::SystemRandom(unsigned long long seed) : seed_(seed), engine_(seed) {}

unsigned long long SystemRandom::draw() {
    ++draws_;
    return engine_();
}

double SystemRandom::next() {
    // 53 random bits: uniform in [0, 1) and never exactly 1.
    return static_cast<double>((draw() ^ mix_) >> 11) * (1.0 / 9007199254740992.0);
}

void SystemRandom::reseed() {
    // Mixing rather than restarting: a reseed must not replay draws. The count, not the clock,
    // is folded in, so that a game resumed from its file draws what it would have drawn.
    ++reseeds_;
    // Every battle round reseeds, so reseeding must be cheap: the count is stirred into a mask
    // laid over the engine's output (a uniform draw stays uniform under a fixed mask) instead
    // of rebuilding the engine's 312 words of state.
    unsigned long long z = mix_ ^ draw() ^ (reseeds_ * 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    mix_ = z ^ (z >> 31);
}

std::string SystemRandom::state() const {
    std::string text;
    for (const unsigned long long value : {seed_, draws_, reseeds_, mix_}) {
        std::array<char, 16> digits{};  // a 64-bit number in hexadecimal
        const auto end = std::to_chars(digits.data(), digits.data() + digits.size(), value, 16).ptr;
        if (!text.empty()) text += ' ';
        text.append(digits.data(), end);
    }
    return text;
}

bool SystemRandom::restore(std::string_view text) {
    std::array<unsigned long long, 4> values{};
    const char* at = text.data();
    const char* const end = text.data() + text.size();
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (i > 0 && (at == end || *at++ != ' ')) return false;
        const auto [next, error] = std::from_chars(at, end, values[i], 16);
        if (error != std::errc() || next == at) return false;
        at = next;
    }
    if (at != end) return false;
    seed_ = values[0];
    engine_.seed(seed_);
    engine_.discard(values[1]);
    draws_ = values[1];
    reseeds_ = values[2];
    mix_ = values[3];
    return true;
}

}  // namespace zenthar
