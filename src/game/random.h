// The production random source.
#pragma once

#include <random>

#include "game/platform.h"

namespace zenthar {

class SystemRandom : public RandomSource {
  public:
    SystemRandom();
    // A fixed seed gives a repeatable game (the simulator and tests use it); reseeds then mix
    // in a counter instead of the clock so the sequence stays repeatable.
    explicit SystemRandom(unsigned long long seed);
    double next() override;
    void reseed() override;

  private:
    std::mt19937_64 engine_;
    unsigned long long mix_ = 0;  // what the reseeds folded in, applied to every draw
    bool deterministic_ = false;
    unsigned long long reseeds_ = 0;
};

}  // namespace zenthar
