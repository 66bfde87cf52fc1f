#pragma once

#include <cstdint>
#include <random>

#include "deck/random_source.h"

// A repeatable random source: two made with the same seed give the same
// values. Reseed() moves on to the next stream in a fixed order, so a twin
// that reseeds as often follows every shuffle of the original.
class SeededRandom final : public tolvane::RandomSource {
public:
    explicit SeededRandom(std::uint64_t seed) : seed_(seed) { Reseed(); }

    void Reseed() override { generator_.seed(seed_ + reseeds_++); }
    double Next() override { return std::uniform_real_distribution<double>(0.0, 1.0)(generator_); }

private:
    std::uint64_t seed_;
    std::uint64_t reseeds_ = 0;
    std::mt19937_64 generator_;
};
