#include <QPainter>
#include <QTest>

#include <stdexcept>

#include "pictures/faces/faces.h"
#include "pictures/faces/pip_layout.h"
#include "pictures/raster/stamp.h"
#include "pictures/faces/suit_shapes.h"
#include "pictures/faces/suit_stamps.h"

using namespace tolvane;

namespace {

// A busy card to stamp on, so a pixel written in the wrong place shows.
QImage BusyCard() {
    return DrawFace(Queen);
}

QImage StampedByPainter(QImage card, const QImage& stamp, QPoint topLeft) {
    QPainter painter(&card);
    painter.drawImage(topLeft, stamp);
    painter.end();
    return card;
}

QImage TurnedOverPixelByPixel(QImage card, const QRect& area) {
    const QImage original = card;
    const QRect inside = area & card.rect();
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            card.setPixel(card.width() - 1 - x, card.height() - 1 - y, original.pixel(x, y));
    return card;
}

}  // namespace

class TestStamp : public QObject {
    Q_OBJECT

private slots:
    void stampPutsOnlyOpaquePixels_data();
    void stampPutsOnlyOpaquePixels();
    void copyTurnedOverLandsOpposite_data();
    void copyTurnedOverLandsOpposite();
    void sharedSuitStampsMatchFreshOnes_data();
    void sharedSuitStampsMatchFreshOnes();
    void courtCardsComeOutAlikeInAnyOrder();
    void picturesWithoutWholePixelsThrow();
};

void TestStamp::stampPutsOnlyOpaquePixels_data() {
    QTest::addColumn<QPoint>("topLeft");
    QTest::newRow("inside") << QPoint(20, 30);
    QTest::newRow("over the top left edge") << QPoint(-4, -5);
    QTest::newRow("over the bottom right edge") << QPoint(66, 90);
    QTest::newRow("wholly outside") << QPoint(80, 100);
}

void TestStamp::stampPutsOnlyOpaquePixels() {
    QFETCH(QPoint, topLeft);
    const QImage heart = SuitStamp(Hearts, kPipSize, SuitInk(Hearts));
    QImage card = BusyCard();
    Stamp(card, heart, topLeft);
    QCOMPARE(card, StampedByPainter(BusyCard(), heart, topLeft));
}

void TestStamp::copyTurnedOverLandsOpposite_data() {
    QTest::addColumn<QRect>("area");
    QTest::newRow("corner index") << QRect(0, 0, 12, 30);
    QTest::newRow("upper half") << QRect(0, 0, 71, 48);
    QTest::newRow("overlapping its opposite") << QRect(20, 40, 31, 16);
    QTest::newRow("partly off the card") << QRect(-5, -5, 20, 20);
}

void TestStamp::copyTurnedOverLandsOpposite() {
    QFETCH(QRect, area);
    QImage card = BusyCard();
    CopyTurnedOver(card, area);
    QCOMPARE(card, TurnedOverPixelByPixel(BusyCard(), area));
}

void TestStamp::sharedSuitStampsMatchFreshOnes_data() {
    QTest::addColumn<int>("suit");
    for (int suit = Clubs; suit <= Spades; ++suit)
        QTest::addRow("suit %d", suit) << suit;
}

void TestStamp::sharedSuitStampsMatchFreshOnes() {
    QFETCH(int, suit);
    const auto each = static_cast<Suit>(suit);
    const QImage pip = SuitStamp(each, kPipSize, SuitInk(each));
    QCOMPARE(PipStamp(each), pip);
    QCOMPARE(UpsideDownPipStamp(each), TurnedOver(pip));
    QCOMPARE(IndexSuitStamp(each), SuitStamp(each, kIndexSuitSize, SuitInk(each)));
}

void TestStamp::courtCardsComeOutAlikeInAnyOrder() {
    // The figures are drawn once and dressed for each suit: dressing one
    // must not leave its colours on the figure the next suit gets.
    const QList<int> courts = {11, 12, 13, 24, 25, 26, 37, 38, 39, 50, 51, 52};
    QList<QImage> forwards;
    for (int card : courts)
        forwards.append(DrawFace(card));
    for (qsizetype i = courts.size() - 1; i >= 0; --i)
        QCOMPARE(DrawFace(courts[i]), forwards[i]);
}

void TestStamp::picturesWithoutWholePixelsThrow() {
    QImage indexed(71, 96, QImage::Format_Indexed8);
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, Stamp(indexed, PipStamp(Clubs), QPoint(0, 0)));
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, CopyTurnedOver(indexed, QRect(0, 0, 12, 30)));
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, (void)PipStamp(static_cast<Suit>(4)));
}

QTEST_APPLESS_MAIN(TestStamp)
#include "test_stamp.moc"
