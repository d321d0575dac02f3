#pragma once

#include <cstdint>

namespace pictures {

// Every scatter of stars, leaves or plaster grain comes from this generator with a fixed seed, so that the
// generator writes the same bytes on every run and on every machine (std::uniform_*_distribution may differ
// from one standard library to the next).
class Random {
public:
    explicit Random(std::uint64_t seed)
        : m_state(seed)
    {
    }

    std::uint64_t next()
    {
        // splitmix64
        m_state += 0x9e3779b97f4a7c15ULL;
        std::uint64_t z = m_state;
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
        return z ^ (z >> 31);
    }

    double uniform(double low, double high)
    {
        const double unit = static_cast<double>(next() >> 11) * 0x1.0p-53;
        return low + (high - low) * unit;
    }

    int below(int bound) { return static_cast<int>(next() % static_cast<std::uint64_t>(bound)); }

private:
    std::uint64_t m_state;
};

// A value in [0, 1) that depends only on its arguments: lattice values of the periodic noise.
inline double hash_unit(std::uint64_t a, std::uint64_t b, std::uint64_t c)
{
    Random random(a * 0x100000001b3ULL ^ (b << 21) ^ (c << 42) ^ 0x5bd1e995ULL);
    random.next();
    return random.uniform(0.0, 1.0);
}

} // namespace pictures
