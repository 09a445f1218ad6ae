#include "platform/StdRandom.h"

#include <cstdint>
#include <cstring>

StdRandom::StdRandom() {
    std::random_device device;
    std::seed_seq seq{device(), device(), device(), device()};
    engine_.seed(seq);
}

double StdRandom::next() {
    // 53 random bits scaled into [0, 1): never 1.0.
    return double(engine_() >> 11) * 0x1.0p-53;
}

void StdRandom::reseed(double seed) {
    // The new state depends on the old one as well as on the seed, so reseeding twice with
    // the same clock reading does not bring the same draws back.
    std::uint64_t bits;
    static_assert(sizeof bits == sizeof seed);
    std::memcpy(&bits, &seed, sizeof bits);  // the C++ library of the browser build has no bit_cast
    const std::uint64_t a = engine_();
    const std::uint64_t b = engine_();
    std::seed_seq seq{std::uint32_t(a),       std::uint32_t(a >> 32), std::uint32_t(b),
                      std::uint32_t(b >> 32), std::uint32_t(bits),    std::uint32_t(bits >> 32)};
    engine_.seed(seq);
}
