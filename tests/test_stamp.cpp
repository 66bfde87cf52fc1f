#include <QPainter>
#include <QTest>

#include <functional>
#include <stdexcept>
#include <string_view>
#include <utility>

#include "backs/back_kit.h"
#include "card_geometry.h"
#include "faces/court_figures.h"
#include "faces/faces.h"
#include "faces/pip_layout.h"
#include "faces/suit_shapes.h"
#include "faces/suit_stamps.h"
#include "raster/device_grid.h"
#include "raster/pixel_map.h"
#include "raster/stamp.h"
#include "throws_naming.h"

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
    void rowWritersRefuseEightBitPictures();
    void deviceGridPlacesMirrorWise();
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

void TestStamp::rowWritersRefuseEightBitPictures() {
    // Each writes whole 32-bit rows, four times as long as an 8-bit picture's.
    constexpr std::string_view kDot[] = {"k"};
    const std::pair<const char*, std::function<void(QImage&)>> writers[] = {
        {"Stamp", [](QImage& card) { Stamp(card, PipStamp(Clubs), QPoint(0, 0)); }},
        {"CopyTurnedOver", [](QImage& card) { CopyTurnedOver(card, QRect(0, 0, 12, 30)); }},
        {"PaintPixelMap", [&](QImage& card) { PaintPixelMap(card, QPoint(0, 0), kDot); }},
        {"DrawCourtFigures", [](QImage& card) { DrawCourtFigures(card, King, Hearts); }},
        {"ShadeRound", [](QImage& card) {
             backs::ShadeRound(card, {35, 48}, 20, {{0.0, QColor(Qt::white)}, {1.0, QColor(Qt::red)}});
         }},
    };
    for (const auto& [name, write] : writers) {
        QImage card(kCardSize, QImage::Format_Grayscale8);
        card.fill(0);
        const QImage untouched = card;
        CheckThrowsNaming<std::invalid_argument>([&] { write(card); }, "Format_Grayscale8");
        QVERIFY2(card == untouched, name);
    }
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, (void)PipStamp(static_cast<Suit>(4)));
}

// A card at 1.5 is 107 x 144 device pixels. Edges, lines and boxes in the
// far half land as the mirrors of their opposites, ties included, and a
// centred box centres exactly; a picture of odd device height turns over
// its middle row with its upper half.
void TestStamp::deviceGridPlacesMirrorWise() {
    const DeviceGrid card(kCardSize, 1.5);
    QCOMPARE(card.DeviceRect(QRect(1, 1, 69, 94)), QRect(2, 2, 103, 140));
    QCOMPARE(card.CentredBox(kCardCentre, QSize(31, 34)), QRect(30, 47, 47, 50));
    QCOMPARE(card.BoxAt({35.5, 20}, QSize(3, 3)).top() + card.BoxAt({35.5, 76}, QSize(3, 3)).bottom(), 143);
    QCOMPARE(QPointF(card.LineX(0), card.LineY(95)), QPointF(1, 143));
    QCOMPARE(QPointF(card.LineX(70), card.LineY(0)), QPointF(106, 1));
    QCOMPARE(QPoint(card.LineWidth(), card.BoxLength(1)), QPoint(2, 1));
    QCOMPARE(DeviceGrid(QSize(14, 7), 1.5).UpperHalf(), QRect(0, 0, 21, 6));
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, DeviceGrid(kCardSize, 0.5));
}

QTEST_APPLESS_MAIN(TestStamp)
#include "test_stamp.moc"
