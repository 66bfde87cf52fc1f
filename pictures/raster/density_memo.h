#pragma once

#include <algorithm>
#include <array>
#include <compare>
#include <functional>
#include <list>
#include <map>
#include <mutex>

namespace tolvane {

// What a kept part is, in a few whole numbers its drawer chooses: which
// part, and of what (a suit, a rank, a colour, a size).
struct PartKey {
    std::array<int, 4> numbers;
    auto operator<=>(const PartKey&) const = default;
};

// Parts of pictures that many pictures at one density share, such as a
// pip's stamp, each drawn the first time it is asked for and kept for the
// two densities last asked for (a zoomed window and the popups on its
// screen draw at two at once); asked for at a third, the one least lately
// used is let go.
//
// It is kept for the parts whose drawing costs far more than using them:
// filling one smooth suit symbol costs Qt's antialiasing rasterizer some
// hundred thousand instructions at a density of 2, stamping the same pixels
// a few thousand, and a deck repeats each pip dozens of times. Keep only
// small parts in it. `Part` must be cheap to copy (an implicitly shared
// QImage, or a few of them), so that a copy can be handed out safely to
// any thread.
template <class Part>
class DensityMemo {
public:
    // The part `key` at `ratio`, drawn by `draw` unless it is kept.
    Part Get(double ratio, PartKey key, const std::function<Part()>& draw) {
        const std::lock_guard lock(mutex_);
        std::map<PartKey, Part>& parts = PartsAt(ratio);
        const auto kept = parts.find(key);
        if (kept != parts.end())
            return kept->second;
        return parts.emplace(key, draw()).first->second;
    }

private:
    static constexpr std::size_t kDensitiesKept = 2;

    struct Density {
        double ratio;
        std::map<PartKey, Part> parts;
    };

    std::map<PartKey, Part>& PartsAt(double ratio) {
        const auto at = std::find_if(densities_.begin(), densities_.end(),
                                     [ratio](const Density& density) { return density.ratio == ratio; });
        if (at != densities_.end()) {
            densities_.splice(densities_.begin(), densities_, at);
        } else {
            densities_.push_front({ratio, {}});
            if (densities_.size() > kDensitiesKept)
                densities_.pop_back();
        }
        return densities_.front().parts;
    }

    std::mutex mutex_;
    std::list<Density> densities_;  // the one last asked for first
};

}  // namespace tolvane
