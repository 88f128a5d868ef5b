#pragma once
// The builder's random numbers. Every attempt draws from its own SplitMix64 generator whose state
// starts at the build's seed plus the attempt number, so any build can be replayed from its seed
// and attempts can run in any order on any number of threads.

#include <cstdint>

namespace qx {

class SplitMix64 {
public:
    explicit SplitMix64(uint64_t state) : m_state(state) {}

    static SplitMix64 forAttempt(uint64_t seed, int attempt)
    {
        return SplitMix64(seed + static_cast<uint64_t>(attempt));
    }

    uint64_t next()
    {
        m_state += 0x9E3779B97F4A7C15ull;
        uint64_t z = m_state;
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }

    // A random integer in [0, n); n must be positive.
    int below(int n) { return static_cast<int>(next() % static_cast<uint64_t>(n)); }

private:
    uint64_t m_state;
};

} // namespace qx
