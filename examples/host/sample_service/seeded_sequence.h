#pragma once

#include <cstdint>
#include <string>

namespace lanterncrest {

// SplitMix64: a tiny generator whose output depends only on its seed, on every compiler and
// library, so the invented season is the same on every machine and in every run.
class SeededSequence
{
public:
    explicit SeededSequence(std::uint64_t seed) : m_state(seed) { }

    std::uint64_t next()
    {
        std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }

    // A number in [0, bound); bound must be positive. The tiny modulo bias does not matter here.
    int below(int bound) { return static_cast<int>(next() % static_cast<std::uint64_t>(bound)); }

    // A number in [low, high].
    int between(int low, int high) { return low + below(high - low + 1); }

private:
    std::uint64_t m_state;
};

// A 16-character lowercase identifier in the service's style ("4jgw0ek6ajq3m5ya"), fixed by
// the kind of thing and its index.
std::string sampleIdentifier(const std::string &kind, int index);

} // namespace lanterncrest
