// A small pseudo-random generator whose sequence is fixed by its algorithm, so
// that a seed gives the same puzzles on every platform and standard library.
#pragma once

#include <cstdint>
#include <utility>

namespace engine {

// SplitMix64 with a multiply-shift range reduction.
class Random {
public:
    explicit Random(std::uint64_t seed) : state_(seed) {}

    std::uint64_t next() {
        std::uint64_t z = state_ += 0x9E3779B97F4A7C15u;
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
        return z ^ (z >> 31);
    }
    // A number in 0 .. bound - 1, bound at least 1.
    std::uint32_t below(std::uint32_t bound) {
        return static_cast<std::uint32_t>(((next() >> 32) * bound) >> 32);
    }
    // Puts the `count` items from `first` in a random order.
    template <typename T>
    void shuffle(T* first, int count) {
        for (int i = count - 1; i > 0; --i)
            std::swap(first[i], first[below(static_cast<std::uint32_t>(i) + 1)]);
    }

private:
    std::uint64_t state_;
};

} // namespace engine
