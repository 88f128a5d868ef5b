#pragma once
// The builder's random numbers. Attempt k (1, 2, ...) draws from its own SplitMix64 generator whose
// state starts at the k-th output of a SplitMix64 generator seeded with the build's seed, so any
// build can be replayed from its seed, attempts can run in any order on any number of threads, and
// the builds of neighbouring seeds share no attempts.

#include <cstdint>

namespace qx {

class SplitMix64 {
public:
    explicit SplitMix64(uint64_t state) : m_state(state) {}

    static SplitMix64 forAttempt(uint64_t seed, int attempt)
    {
        // The k-th output of the seed's generator: its state has advanced k - 1 times.
        SplitMix64 seeds(seed + Gamma * static_cast<uint64_t>(attempt - 1));
        return SplitMix64(seeds.next());
    }

    uint64_t next()
    {
        m_state += Gamma;
        uint64_t z = m_state;
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }

    // A random integer in [0, n); n must be positive.
    int below(int n) { return static_cast<int>(next() % static_cast<uint64_t>(n)); }

private:
    static constexpr uint64_t Gamma = 0x9E3779B97F4A7C15ull;
    uint64_t m_state;
};

} // namespace qx
