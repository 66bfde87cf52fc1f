#include "extras.h"

#include <array>

#include "palette.h"
#include "picture_catalogue.h"

namespace tolvane {

namespace {

constexpr PictureId kFirstExtra = 66;

constexpr std::array<QSize, 9> kExtraSizes = {
    kCardSize, kCardSize,            // 66, 67
    QSize(32, 22), QSize(32, 22),    // 68, 69
    QSize(26, 12),                   // 70
    QSize(14, 12), QSize(14, 12),    // 71, 72
    QSize(24, 7), QSize(24, 7)};     // 73, 74

}  // namespace

QSize ExtraSize(int id) {
    return kExtraSizes[id - kFirstExtra];
}

QImage DrawExtra(int id) {
    QImage image(ExtraSize(id), QImage::Format_RGB32);
    image.fill(palette::White);
    return image;
}

}  // namespace tolvane
