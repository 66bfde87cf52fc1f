#include "backs.h"

#include "palette.h"
#include "picture_catalogue.h"

namespace tolvane {

QImage DrawBack(int /*id*/) {
    QImage image(kCardSize, QImage::Format_RGB32);
    image.fill(palette::White);
    return image;
}

}  // namespace tolvane
