#include "deck/random_source.h"

#include <array>
#include <chrono>

namespace tolvane {

ClockRandomSource::ClockRandomSource(Clock clock) : clock_(std::move(clock)) {
    Reseed();
}

std::uint64_t ClockRandomSource::FinestClock() {
    return static_cast<std::uint64_t>(std::chrono::high_resolution_clock::now().time_since_epoch().count());
}

void ClockRandomSource::Reseed() {
    std::random_device entropy;
    const std::uint64_t ticks = clock_();

    // 512 bits of entropy and the full clock reading; seed_seq spreads them
    // over all 312 words of the generator's state. 512 bits is well above
    // the 226 needed to name any of the 52! orders.
    std::array<std::uint32_t, 18> words;
    for (auto& word : words)
        word = entropy();
    words[16] = static_cast<std::uint32_t>(ticks);
    words[17] = static_cast<std::uint32_t>(ticks >> 32);

    std::seed_seq seed(words.begin(), words.end());
    generator_.seed(seed);
}

double ClockRandomSource::Next() {
    // The top 53 bits scaled by 2^-53: every value is exact and below 1.
    return static_cast<double>(generator_() >> 11) * 0x1.0p-53;
}

}  // namespace tolvane
