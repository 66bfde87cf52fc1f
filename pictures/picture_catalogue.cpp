#include "picture_catalogue.h"

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

}  // namespace

void CheckPictureId(PictureId id) {
    if (id < kFirstPicture || id > kLastPicture)
        throw std::out_of_range("picture id " + std::to_string(id) + " is outside 1..74");
}

QImage FetchPicture(PictureId id) {
    CheckPictureId(id);
    if (id <= kLastFace)
        return DrawFace(id);
    if (id <= kLastBack)
        return DrawBack(id - kFirstBack);
    return DrawExtra(id - kFirstExtra);
}

}  // namespace tolvane
