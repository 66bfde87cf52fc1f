#include "pixel_rows.h"

#include <QMetaEnum>

#include <stdexcept>
#include <string>

namespace tolvane {

void CheckRowFormat(const QImage& image) {
    const QImage::Format format = image.format();
    if (format == QImage::Format_RGB32 || format == QImage::Format_ARGB32 ||
        format == QImage::Format_ARGB32_Premultiplied)
        return;
    const char* name = QMetaEnum::fromType<QImage::Format>().valueToKey(format);
    throw std::invalid_argument(std::string("picture format ") + (name ? name : "unknown") +
                                " is not Format_RGB32, Format_ARGB32 or Format_ARGB32_Premultiplied");
}

}  // namespace tolvane
