// The production random source.
#pragma once

#include <random>
#include <string>
#include <string_view>

#include "game/platform.h"

namespace zenthar {

class SystemRandom : public RandomSource {
  public:
    // A fresh game's dice: the seed comes from the system's entropy and the clock.
    SystemRandom();
    // A fixed seed gives a repeatable game (the simulator and tests use it).
    explicit SystemRandom(unsigned long long seed);
    double next() override;
    void reseed() override;
    // The seed, the count of engine draws, the count of reseeds and the mask they built, in
    // hexadecimal: restoring replays the draws from the seed.
    std::string state() const override;
    bool restore(std::string_view text) override;

  private:
    unsigned long long draw();

    unsigned long long seed_ = 0;
    std::mt19937_64 engine_;
    unsigned long long draws_ = 0;
    unsigned long long mix_ = 0;  // what the reseeds folded in, applied to every draw
    unsigned long long reseeds_ = 0;
};

}  // namespace zenthar
