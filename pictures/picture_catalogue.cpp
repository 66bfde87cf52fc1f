#include "pictures/picture_catalogue.h"

#include <array>
#include <cmath>
#include <mutex>
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

QImage DrawPicture(PictureId id, double devicePixelRatio) {
    if (id <= kLastFace)
        return DrawFace(id, devicePixelRatio);
    if (id <= kLastBack)
        return DrawBack(id - kFirstBack, devicePixelRatio);
    return DrawExtra(id - kFirstExtra, devicePixelRatio);
}

// The picture handed out last, kept: the window shows one picture in two
// boxes at once (the first card's face in the card box and in the
// all-pictures box as it starts, and whenever the two show one card), and
// the second would cost as much again. One picture, which a box holds
// anyway as a rule, shared and never written.
class LastPicture {
public:
    QImage Fetch(PictureId id, double ratio) {
        {
            const std::lock_guard lock(mutex_);
            if (!picture_.isNull() && id == id_ && ratio == ratio_)
                return picture_;
        }
        const QImage drawn = DrawPicture(id, ratio);
        const std::lock_guard lock(mutex_);
        id_ = id;
        ratio_ = ratio;
        picture_ = drawn;
        return drawn;
    }

private:
    std::mutex mutex_;
    PictureId id_ = 0;
    double ratio_ = 0;
    QImage picture_;
};

}  // namespace

void CheckPictureId(PictureId id) {
    if (id < kFirstPicture || id > kLastPicture)
        throw std::out_of_range("picture id " + std::to_string(id) + " is outside 1..74");
}

QImage FetchPicture(PictureId id, double devicePixelRatio) {
    CheckPictureId(id);
    CheckDevicePixelRatio(devicePixelRatio);
    static LastPicture last;
    return last.Fetch(id, devicePixelRatio);
}

QString PictureSubject(PictureId id) {
    CheckPictureId(id);
    if (id <= kLastFace)
        return QString::fromStdString(CardName(id));
    return QString::fromLatin1(kSubjects[id - kLastFace - 1]);
}

}  // namespace tolvane
