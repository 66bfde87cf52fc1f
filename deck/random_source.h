#pragma once

#include <cstdint>
#include <functional>
#include <random>

namespace tolvane {

// Where the shuffle takes its random values from.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual void Reseed() = 0;
    virtual double Next() = 0;  // 0 <= r < 1
};

// The program's own source. Reseed() mixes a reading of `clock` with the
// operating system's entropy into the generator's whole state, so two
// shuffles within one clock tick still differ, and the generator's 19937
// bits of state can reach every one of the 52! orders.
// Next() has 53 bits of resolution and never returns 1.
class ClockRandomSource final : public RandomSource {
public:
    using Clock = std::function<std::uint64_t()>;
    explicit ClockRandomSource(Clock clock = FinestClock);
    void Reseed() override;
    double Next() override;

    // The finest clock the platform has, in its own ticks.
    static std::uint64_t FinestClock();

private:
    Clock clock_;
    std::mt19937_64 generator_;
};

}  // namespace tolvane
