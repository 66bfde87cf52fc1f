#pragma once

#include <QHash>
#include <QIcon>
#include <QStyledItemDelegate>

#include "pictures/picture_catalogue.h"

namespace tolvane {

// Draws a selector's popup entries with a small preview of the picture each
// one stands for, beside its number, grown with the window's zoom. The
// entry's picture id is its item data. Previews are drawn for the popup's
// screen and the zoom when an entry is first painted, not at start-up nor
// when the entries are only measured (as a font change does), and kept
// while the popup stays on a screen of that density and the zoom stays.
class PicturePreviews final : public QStyledItemDelegate {
public:
    explicit PicturePreviews(QObject* parent);

    // The box a preview fits in at 100 %: a card shrinks to fit, a smaller
    // picture keeps its own size.
    static constexpr QSize kPreviewBox{32, 32};

    // `zoom` is 1 at the window's own size.
    void SetZoom(double zoom);

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

protected:
    // The entry with room for its preview, without the preview.
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;

private:
    QIcon Preview(PictureId id, double devicePixelRatio) const;

    double zoom_ = 1;
    mutable QHash<PictureId, QIcon> previews_;  // drawn for previewsRatio_ and zoom_
    mutable double previewsRatio_ = 0;
};

}  // namespace tolvane
