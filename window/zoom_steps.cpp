#include "zoom_steps.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace tolvane {

namespace {

std::size_t StepIndex(int percent) {
    const auto step = std::find(kZoomSteps.begin(), kZoomSteps.end(), percent);
    if (step == kZoomSteps.end())
        throw std::invalid_argument("zoom " + std::to_string(percent) + " % is not one of the window's steps");
    return std::size_t(step - kZoomSteps.begin());
}

}  // namespace

int ZoomedIn(int percent, const std::function<bool(int)>& fits) {
    const std::size_t next = StepIndex(percent) + 1;
    return next < kZoomSteps.size() && fits(kZoomSteps[next]) ? kZoomSteps[next] : percent;
}

int ZoomedOut(int percent) {
    const std::size_t step = StepIndex(percent);
    return step > 0 ? kZoomSteps[step - 1] : percent;
}

QString ZoomText(int percent) {
    return QStringLiteral("%1 %").arg(percent);
}

}  // namespace tolvane
