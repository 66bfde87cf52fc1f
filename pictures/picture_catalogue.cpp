#include "picture_catalogue.h"

#include <cmath>
#include <sstream>
#include <stdexcept>
#include <string>

#include "backs/backs.h"
#include "extras/extras.h"
#include "faces/faces.h"

namespace tolvane {

namespace {

constexpr PictureId kLastFace = 52;
constexpr PictureId kFirstExtra = kLastBack + 1;
static_assert(kLastBack - kFirstBack + 1 == kBackCount);
static_assert(kLastPicture - kFirstExtra + 1 == kExtraCount);

constexpr double kLeastRatio = 1.0;
constexpr double kGreatestRatio = 4.0;

// Written in full, so a ratio just outside the range is not rounded into it.
void CheckDevicePixelRatio(double ratio) {
    if (std::isfinite(ratio) && ratio >= kLeastRatio && ratio <= kGreatestRatio)
        return;
    std::ostringstream message;
    message.precision(17);
    message << "device pixel ratio " << ratio << " is outside 1..4";
    throw std::out_of_range(message.str());
}

}  // namespace

void CheckPictureId(PictureId id) {
    if (id < kFirstPicture || id > kLastPicture)
        throw std::out_of_range("picture id " + std::to_string(id) + " is outside 1..74");
}

QImage FetchPicture(PictureId id, double devicePixelRatio) {
    CheckPictureId(id);
    CheckDevicePixelRatio(devicePixelRatio);
    if (id <= kLastFace)
        return DrawFace(id, devicePixelRatio);
    if (id <= kLastBack)
        return DrawBack(id - kFirstBack, devicePixelRatio);
    return DrawExtra(id - kFirstExtra, devicePixelRatio);
}

}  // namespace tolvane
