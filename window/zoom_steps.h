#pragma once

#include <QString>

#include <array>
#include <functional>

namespace tolvane {

// The window's zoom, in percent of its own size: the steps Ctrl+Plus and
// Ctrl+Minus walk, from the window's own size up to four times it.
inline constexpr std::array<int, 7> kZoomSteps{100, 125, 150, 200, 250, 300, 400};
inline constexpr int kUnzoomed = 100;

// What lengths are multiplied by at `percent`.
constexpr double ZoomFactor(int percent) {
    return percent / double(kUnzoomed);
}

// The step after `percent` if `fits` says the window fits on its screen
// at that step; otherwise, and at the last step, `percent` itself.
// Throws std::invalid_argument naming `percent` unless it is a step.
int ZoomedIn(int percent, const std::function<bool(int)>& fits);

// The step before `percent`; at 100 % it stays. Throws std::invalid_argument
// naming `percent` unless it is a step.
int ZoomedOut(int percent);

// The zoom as people read it: "200 %".
QString ZoomText(int percent);

}  // namespace tolvane
