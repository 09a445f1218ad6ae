#pragma once

// The program's uniform random source.
class Random {
  public:
    virtual ~Random() = default;
    // The next real, uniform in [0, 1).
    virtual double next() = 0;
    // Mixes `seed` into the current state. Two reseeds with the same number, separated by
    // draws, do not make the draws repeat.
    virtual void reseed(double seed) = 0;
};
