#pragma once

#include <QImage>

#include "pictures/picture_catalogue.h"

namespace tolvane {

// Fetches pictures for the window's image boxes and keeps the one fetched
// last: the window often shows one picture in two boxes (the first card's
// face as the card and as the chosen picture when it starts, or whenever
// the two agree), and drawing it again would cost as much once more. The
// kept picture is shared with the box that shows it, so keeping it costs
// no memory of its own as a rule.
class LastFetched final {
public:
    QImage Fetch(PictureId id, double devicePixelRatio) {
        if (picture_.isNull() || id != id_ || devicePixelRatio != ratio_) {
            picture_ = FetchPicture(id, devicePixelRatio);
            id_ = id;
            ratio_ = devicePixelRatio;
        }
        return picture_;
    }

private:
    PictureId id_ = 0;
    double ratio_ = 0;
    QImage picture_;
};

}  // namespace tolvane
