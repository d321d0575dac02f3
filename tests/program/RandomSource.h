#pragma once

#include <cstdint>
#include <random>
#include <vector>

// Every random choice of a test run, from one seed, so that the same seed
// gives the same events again. No other source of chance is used.
class RandomSource {
public:
    explicit RandomSource(std::uint64_t seed)
        : m_engine(seed)
    {
    }

    // 0 .. n - 1; n must be positive.
    std::uint64_t below(std::uint64_t n) { return m_engine() % n; }
    int between(int low, int high) { return low + static_cast<int>(below(static_cast<std::uint64_t>(high - low + 1))); }
    bool chance(int percent) { return below(100) < static_cast<std::uint64_t>(percent); }
    template<class T>
    T const& pick(std::vector<T> const& among)
    {
        return among[below(among.size())];
    }
    // An index into weights, each chosen in proportion to its weight.
    std::size_t weighted(std::vector<int> const& weights)
    {
        int total = 0;
        for (int w : weights)
            total += w;
        auto roll = static_cast<int>(below(static_cast<std::uint64_t>(total)));
        for (std::size_t i = 0; i < weights.size(); ++i) {
            roll -= weights[i];
            if (roll < 0)
                return i;
        }
        return weights.size() - 1;
    }

private:
    std::mt19937_64 m_engine;
};
