// RANDOM(n): the one seeded random generator of the program. Every draw of the
// shuffle, the puzzle choice and the board-file filler comes from an instance of this,
// passed in by the caller, so tests fix the seed and pin the results.
#pragma once

#include <cstdint>
#include <random>

class Random {
  public:
    explicit Random(std::uint32_t seed = 1) : generator(seed) {}
    void seed(std::uint32_t value) { generator.seed(value); }
    // A uniformly distributed whole number 0..n-1 (0 for n <= 0). The mapping is written
    // out here rather than left to a standard distribution, so that seeded results are
    // the same with every standard library.
    int RANDOM(int n) {
        if (n <= 0) return 0;
        return static_cast<int>(
            (static_cast<std::uint64_t>(generator()) * static_cast<std::uint64_t>(n)) >> 32);
    }
    // A coin: heads when RANDOM(2) is 0.
    bool coin() { return RANDOM(2) == 0; }

  private:
    std::mt19937 generator;
};
