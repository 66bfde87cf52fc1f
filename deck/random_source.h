#pragma once

#include <random>

namespace tolvane {

// Where the shuffle takes its random values from.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual void Reseed() = 0;
    virtual double Next() = 0;  // 0 <= r < 1
};

// The program's own source. Reseed() mixes the finest clock the platform
// has with the operating system's entropy into the generator's whole state,
// so two shuffles within one clock tick still differ, and the generator's
// 19937 bits of state can reach every one of the 52! orders.
// Next() has 53 bits of resolution and never returns 1.
class ClockRandomSource final : public RandomSource {
public:
    ClockRandomSource();
    void Reseed() override;
    double Next() override;

private:
    std::mt19937_64 generator_;
};

}  // namespace tolvane
