#pragma once

#include <random>

#include "platform/Random.h"

// The program's random source: a 64-bit Mersenne Twister seeded from the system at start.
class StdRandom final : public Random {
  public:
    StdRandom();
    double next() override;
    void reseed(double seed) override;

  private:
    std::mt19937_64 engine_;
};
