#include <QTest>

#include <algorithm>
#include <cstdlib>
#include <set>
#include <string_view>

#include "extras/extras.h"
#include "pictures/picture_catalogue.h"
#include "pixel_counts.h"
#include "raster/palette.h"
#include "raster/pixel_map.h"
#include "throws_naming.h"

using namespace tolvane;

namespace {

// The largest difference in any colour channel between two pictures of one size.
int LargestDifference(const QImage& one, const QImage& other) {
    int largest = 0;
    for (int y = 0; y < one.height(); ++y)
        for (int x = 0; x < one.width(); ++x) {
            const QRgb a = one.pixel(x, y), b = other.pixel(x, y);
            largest = std::max({largest, std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                                std::abs(qBlue(a) - qBlue(b))});
        }
    return largest;
}

}  // namespace

class TestExtras : public QObject {
    Q_OBJECT

private slots:
    void pixelMapKeyCoversThePalette();
    void badPixelMapsThrow();
    void badExtraIdsThrow_data();
    void badExtraIdsThrow();
    void placeholderCardsAreSymmetric_data();
    void placeholderCardsAreSymmetric();
    void subjectColours_data();
    void subjectColours();
};

void TestExtras::pixelMapKeyCoversThePalette() {
    // The sixteen key characters as the header lists them, each with its own colour.
    constexpr std::string_view keys = ".kmgonptsdrlybfa";
    std::set<QRgb> colours;
    for (char key : keys)
        colours.insert(PixelMapColour(key));
    QCOMPARE(colours, kPaletteColours);

    const std::string_view row = keys.substr(10, 2);
    const QImage image = PixelMapImage(std::span(&row, 1));
    QCOMPARE(image.size(), QSize(2, 1));
    QCOMPARE(image.pixel(0, 0), palette::Red);
    QCOMPARE(image.pixel(1, 0), palette::Lime);
}

void TestExtras::badPixelMapsThrow() {
    CheckThrowsNaming([] { PixelMapColour('x'); }, "'x'");
    CheckThrowsNaming([] { PixelMapColour(' '); }, "' '");

    constexpr std::string_view ragged[] = {"..", "...", ".."};
    CheckThrowsNaming([&] { PixelMapSize(ragged); }, "row 1 is 3");

    constexpr std::string_view square[] = {"kk", "kk"};
    QImage image(4, 4, QImage::Format_RGB32);
    CheckThrowsNaming([&] { PaintPixelMap(image, QPoint(3, 1), square); }, "(3, 1)");
    CheckThrowsNaming([&] { PaintPixelMap(image, QPoint(-1, 0), square); }, "(-1, 0)");
}

void TestExtras::badExtraIdsThrow_data() {
    QTest::addColumn<int>("id");
    QTest::newRow("before the first") << -1;
    QTest::newRow("past the last") << kExtraCount;
}

void TestExtras::badExtraIdsThrow() {
    QFETCH(int, id);
    CheckThrowsNaming([id] { DrawExtra(id); }, QString::number(id));
}

void TestExtras::placeholderCardsAreSymmetric_data() {
    QTest::addColumn<int>("id");
    QTest::newRow("cross") << 66;
    QTest::newRow("ring") << 67;
}

void TestExtras::placeholderCardsAreSymmetric() {
    QFETCH(int, id);
    const QImage card = FetchPicture(id);
    QCOMPARE(card, card.mirrored(true, false));
    QCOMPARE(card, card.mirrored(false, true));
    // Drawn at density the antialiasing may round a level apart on either
    // side, no more. At 1.25 the card is 89 device pixels wide: its middle
    // is not that of 71 x 96 scaled.
    for (const double ratio : {1.25, 2.0}) {
        const QImage dense = FetchPicture(id, ratio);
        QVERIFY(LargestDifference(dense, dense.mirrored(true, false)) <= 2);
        QVERIFY(LargestDifference(dense, dense.mirrored(false, true)) <= 2);
    }
}

void TestExtras::subjectColours_data() {
    QTest::addColumn<int>("id");
    QTest::addColumn<QRgb>("colour");
    QTest::addColumn<bool>("shown");
    QTest::newRow("X card is red on green") << 66 << palette::Red << true;
    QTest::newRow("ring card has no red") << 67 << palette::Red << false;
    QTest::newRow("checked card on yellow") << 68 << palette::Yellow << true;
    QTest::newRow("checked card in red") << 68 << palette::Red << true;
    QTest::newRow("sleeper is blue") << 70 << palette::Blue << true;
    QTest::newRow("smile is yellow") << 71 << palette::Yellow << true;
    QTest::newRow("smile shows no tongue") << 71 << palette::Red << false;
    QTest::newRow("tongue is red") << 72 << palette::Red << true;
    QTest::newRow("first strip lights green") << 73 << palette::Lime << true;
    QTest::newRow("first strip's yellow lamp dark") << 73 << palette::Yellow << false;
    QTest::newRow("second strip lights yellow") << 74 << palette::Yellow << true;
    QTest::newRow("second strip's green lamp dark") << 74 << palette::Lime << false;
}

void TestExtras::subjectColours() {
    QFETCH(int, id);
    QFETCH(QRgb, colour);
    QFETCH(bool, shown);
    // The shapes drawn at density show the same subject as the pixel art.
    for (const double ratio : {1.0, 1.5, 3.0})
        QCOMPARE(CountOf(FetchPicture(id, ratio), colour) > 0, shown);
}

QTEST_APPLESS_MAIN(TestExtras)
#include "test_extras.moc"
