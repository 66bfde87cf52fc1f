#include "picture_previews.h"

#include <QPixmap>

namespace tolvane {

PicturePreviews::PicturePreviews(QObject* parent) : QStyledItemDelegate(parent) {}

void PicturePreviews::initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const {
    QStyledItemDelegate::initStyleOption(option, index);
    option->features |= QStyleOptionViewItem::HasDecoration;
    option->decorationSize = kPreviewBox;
    option->decorationAlignment = Qt::AlignCenter;
    const qreal ratio = option->widget != nullptr ? option->widget->devicePixelRatioF() : 1.0;
    option->icon = Preview(index.data(Qt::UserRole).toInt(), ratio);
}

QIcon PicturePreviews::Preview(PictureId id, qreal devicePixelRatio) const {
    auto found = previews_.constFind(id);
    if (found != previews_.constEnd())
        return *found;
    const QSize box = kPreviewBox * devicePixelRatio;
    QImage picture = FetchPicture(id);
    if (picture.width() > box.width() || picture.height() > box.height())
        picture = picture.scaled(box, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    else
        picture = picture.scaled(picture.size() * devicePixelRatio);  // whole pixels, no blur
    QPixmap pixmap = QPixmap::fromImage(picture);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    QIcon icon;
    // The same pixmap when highlighted: the style would otherwise tint it.
    icon.addPixmap(pixmap, QIcon::Normal);
    icon.addPixmap(pixmap, QIcon::Selected);
    return *previews_.insert(id, icon);
}

}  // namespace tolvane
