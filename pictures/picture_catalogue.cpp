#include "pictures/picture_catalogue.h"

#include <array>
#include <cmath>
#include <stdexcept>
#include <string>

#include "backs/backs.h"
#include "deck/card.h"
#include "extras/extras.h"
#include "faces/faces.h"
#include "raster/density.h"

namespace tolvane {

namespace {

constexpr PictureId kLastFace = 52;
constexpr PictureId kFirstExtra = kLastBack + 1;
static_assert(kLastBack - kFirstBack + 1 == kBackCount);
static_assert(kLastPicture - kFirstExtra + 1 == kExtraCount);

// The subjects of pictures 53..74, in id order.
constexpr std::array<const char*, kLastPicture - kLastFace> kSubjects{
    "fine black dot pattern on white",
    "sky with clouds",
    "blue abstract",
    "tropical fish on blue",
    "toy frog on orange",
    "red swirl on white",
    "palm island and sea",
    "blue mosaic squares",
    "magenta light streaks",
    "desert dune with moon",
    "astronaut above the earth",
    "orange stripes",
    "three toy racing cars on green",
    "a red X on a green card",
    "a green ring on a green card",
    "red-and-white checks on yellow over a white card, with a small red mark",
    "red-and-white checks on yellow over a white card, with a small red mark and a red blob",
    "a small blue picture with closed eyes",
    "a small smiling face",
    "a small smiling face with its tongue out",
    "a small red strip with a dial and two lamps, the green lamp lit",
    "a small red strip with a dial and two lamps, the yellow lamp lit",
};

void CheckDevicePixelRatio(double ratio) {
    if (std::isfinite(ratio) && ratio >= kLeastDevicePixelRatio && ratio <= kGreatestDevicePixelRatio)
        return;
    throw std::out_of_range("device pixel ratio " + RatioText(ratio) + " is outside " +
                            RatioText(kLeastDevicePixelRatio) + ".." + RatioText(kGreatestDevicePixelRatio));
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

QString PictureSubject(PictureId id) {
    CheckPictureId(id);
    if (id <= kLastFace)
        return QString::fromStdString(CardName(id));
    return QString::fromLatin1(kSubjects[id - kLastFace - 1]);
}

}  // namespace tolvane
