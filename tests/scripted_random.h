#pragma once

#include <vector>

#include "deck/random_source.h"

// A random source that plays back fixed values, cycling through them, and
// counts its calls so tests can check when the shuffle reseeds.
class ScriptedRandom final : public tolvane::RandomSource {
public:
    explicit ScriptedRandom(std::vector<double> values) : values_(std::move(values)) {}

    void Reseed() override {
        ++reseeds;
        reseedsBeforeFirstDraw += draws == 0 ? 1 : 0;
    }
    double Next() override { return values_[draws++ % values_.size()]; }

    int reseeds = 0;
    int reseedsBeforeFirstDraw = 0;
    std::size_t draws = 0;

private:
    std::vector<double> values_;
};
