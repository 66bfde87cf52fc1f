#include "picture_previews.h"

#include <QApplication>
#include <QPixmap>
#include <QStyle>

#include "screen_density.h"

namespace tolvane {

PicturePreviews::PicturePreviews(QObject* parent) : QStyledItemDelegate(parent) {}

void PicturePreviews::initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const {
    QStyledItemDelegate::initStyleOption(option, index);
    option->features |= QStyleOptionViewItem::HasDecoration;
    option->decorationSize = kPreviewBox * zoom_;
    option->decorationAlignment = Qt::AlignCenter;
}

void PicturePreviews::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
    QStyleOptionViewItem entry = option;
    initStyleOption(&entry, index);
    const QWidget* widget = option.widget;
    entry.icon = Preview(index.data(Qt::UserRole).toInt(), widget != nullptr ? PictureRatioFor(*widget, zoom_) : zoom_);
    const QStyle* style = widget != nullptr ? widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &entry, painter, widget);
}

void PicturePreviews::SetZoom(double zoom) {
    if (zoom == zoom_)
        return;
    zoom_ = zoom;
    previews_.clear();
}

QIcon PicturePreviews::Preview(PictureId id, double devicePixelRatio) const {
    if (devicePixelRatio != previewsRatio_) {  // the popup is on a screen of another density
        previews_.clear();
        previewsRatio_ = devicePixelRatio;
    }
    auto found = previews_.constFind(id);
    if (found != previews_.constEnd())
        return *found;
    const QSize box = kPreviewBox * devicePixelRatio;
    // Drawn for the screen and the zoom; a card then shrinks to fit.
    QImage picture = FetchPicture(id, devicePixelRatio);
    if (picture.width() > box.width() || picture.height() > box.height())
        picture = picture.scaled(box, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    QPixmap pixmap = QPixmap::fromImage(picture);
    pixmap.setDevicePixelRatio(devicePixelRatio / zoom_);
    QIcon icon;
    // The same pixmap when highlighted: the style would otherwise tint it.
    icon.addPixmap(pixmap, QIcon::Normal);
    icon.addPixmap(pixmap, QIcon::Selected);
    return *previews_.insert(id, icon);
}

}  // namespace tolvane
