#include "stamp.h"

#include <QPainter>

namespace tolvane {

void Stamp(QImage& onto, const QImage& stamp, QPoint topLeft) {
    QPainter painter(&onto);
    painter.drawImage(topLeft, stamp);
}

QImage TurnedOver(const QImage& stamp) {
    return stamp.mirrored(true, true);
}

void CopyTurnedOver(QImage& card, const QRect& area) {
    const QPoint opposite(card.width() - 1 - area.right(), card.height() - 1 - area.bottom());
    const QImage turned = TurnedOver(card.copy(area));
    QPainter painter(&card);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(opposite, turned);
}

}  // namespace tolvane
