#include <QTest>

#include <QDir>

#include <climits>
#include <utility>
#include <set>

#include "backs/back_kit.h"
#include "backs/backs.h"
#include "pictures/picture_catalogue.h"
#include "pixel_counts.h"
#include "ratio_rows.h"
#include "throws_naming.h"

using namespace tolvane;

namespace {

constexpr QRgb kBlack = 0xff000000;
constexpr QRgb kMagenta = 0xffff00ff;

// The kinds of pixel that tell a back's subject apart at a glance.
enum class Tone { Blue, Orange, Green, Red, Violet, White, Dark };

bool HueWithin(const QColor& colour, int from, int to) {
    const int hue = colour.hsvHue();
    return colour.hsvSaturationF() > 0.25f && hue >= from && hue <= to;
}

bool IsTone(QRgb pixel, Tone tone) {
    const QColor colour(pixel);
    switch (tone) {
    case Tone::Blue: return HueWithin(colour, 185, 245);
    case Tone::Orange: return HueWithin(colour, 12, 45);
    case Tone::Green: return HueWithin(colour, 80, 160);
    case Tone::Red: return HueWithin(colour, 345, 359) || HueWithin(colour, 0, 10);
    case Tone::Violet: return HueWithin(colour, 260, 330);
    case Tone::White: return colour.hsvSaturationF() < 0.1f && colour.valueF() > 0.9f;
    case Tone::Dark: return colour.valueF() < 0.25f;
    }
    return false;
}

double ShareOf(const QImage& image, Tone tone) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += IsTone(image.pixel(x, y), tone) ? 1 : 0;
    return static_cast<double>(count) / (image.width() * image.height());
}

}  // namespace

Q_DECLARE_METATYPE(Tone)

class TestBacks : public QObject {
    Q_OBJECT

private slots:
    // First, while no back has been drawn in this process yet.
    void drawingTheBacksStartsNoThreads();
    void idsOutsideTheBacksThrow_data();
    void idsOutsideTheBacksThrow();
    void eachBackShowsItsSubjectsColours_data();
    void eachBackShowsItsSubjectsColours();
    void magentaOnlyAtTheCorners_data();
    void magentaOnlyAtTheCorners();
    void dottedBackIsFramedAndMirrored();
    void dottedBackDotsEvenlySpaced_data();
    void dottedBackDotsEvenlySpaced();
    void roundShadeCoversOnlyItsDisc();
    void scatterIsSpreadAndRepeatable();
};

void TestBacks::idsOutsideTheBacksThrow_data() {
    QTest::addColumn<int>("id");
    QTest::newRow("before the first") << -1;
    QTest::newRow("past the last") << kBackCount;
    QTest::newRow("INT_MIN") << INT_MIN;
    QTest::newRow("INT_MAX") << INT_MAX;
}

void TestBacks::idsOutsideTheBacksThrow() {
    QFETCH(int, id);
    CheckThrowsNaming([id] { (void)DrawBack(id); }, QString::number(id));
}

void TestBacks::eachBackShowsItsSubjectsColours_data() {
    // A back drawn in the wrong slot, or one that leaves much of the card
    // unpainted, fails here.
    QTest::addColumn<int>("id");
    QTest::addColumn<Tone>("tone");
    QTest::addColumn<double>("least");
    QTest::newRow("54 sky") << 54 << Tone::Blue << 0.5;
    QTest::newRow("54 clouds") << 54 << Tone::White << 0.05;
    QTest::newRow("55 blue abstract") << 55 << Tone::Blue << 0.6;
    QTest::newRow("56 sea") << 56 << Tone::Blue << 0.5;
    QTest::newRow("57 orange ground") << 57 << Tone::Orange << 0.35;
    QTest::newRow("57 frog") << 57 << Tone::Green << 0.2;
    QTest::newRow("58 white ground") << 58 << Tone::White << 0.4;
    QTest::newRow("58 red swirl") << 58 << Tone::Red << 0.2;
    QTest::newRow("59 sea and sky") << 59 << Tone::Blue << 0.45;
    QTest::newRow("60 mosaic") << 60 << Tone::Blue << 0.6;
    QTest::newRow("61 streaks") << 61 << Tone::Violet << 0.5;
    QTest::newRow("62 dune") << 62 << Tone::Orange << 0.25;
    QTest::newRow("63 space") << 63 << Tone::Dark << 0.3;
    QTest::newRow("64 stripes") << 64 << Tone::Orange << 0.8;
    QTest::newRow("65 grass") << 65 << Tone::Green << 0.5;
}

void TestBacks::eachBackShowsItsSubjectsColours() {
    QFETCH(int, id);
    QFETCH(Tone, tone);
    QFETCH(double, least);
    const double share = ShareOf(FetchPicture(id), tone);
    QVERIFY2(share >= least, qPrintable(QString("share %1").arg(share)));
}

void TestBacks::magentaOnlyAtTheCorners_data() {
    // At density the marks cover the same three card pixels, their edges
    // rounded to whole device pixels: at 1.5 a corner pixel is 2 x 2 device
    // pixels and its neighbours 1 x 2, eight pixels to a corner.
    QTest::addColumn<int>("id");
    QTest::addColumn<double>("ratio");
    QTest::addColumn<int>("perCorner");
    for (const auto& [ratio, perCorner] : {std::pair{1.0, 3}, {1.5, 8}, {2.0, 12}, {3.0, 27}})
        for (int id = 54; id <= 65; ++id)
            if (id != 61)  // the light streaks may pass through pure magenta
                QTest::addRow("%d at %g", id, ratio) << id << ratio << perCorner;
}

void TestBacks::magentaOnlyAtTheCorners() {
    QFETCH(int, id);
    QFETCH(double, ratio);
    QFETCH(int, perCorner);
    const QImage back = FetchPicture(id, ratio);
    QCOMPARE(CountOf(back, kMagenta), 4 * perCorner);
    const int right = back.width() - 1, bottom = back.height() - 1;
    for (const QPoint& corner : {QPoint(0, 0), QPoint(right, 0), QPoint(0, bottom), QPoint(right, bottom)})
        QCOMPARE(back.pixel(corner), kMagenta);
}

void TestBacks::dottedBackIsFramedAndMirrored() {
    const QImage back = FetchPicture(53);
    const QRect frame(2, 2, back.width() - 4, back.height() - 4);
    for (int x = frame.left(); x <= frame.right(); ++x) {
        QCOMPARE(back.pixel(x, frame.top()), kBlack);
        QCOMPARE(back.pixel(x, frame.bottom()), kBlack);
    }
    for (int y = frame.top(); y <= frame.bottom(); ++y) {
        QCOMPARE(back.pixel(frame.left(), y), kBlack);
        QCOMPARE(back.pixel(frame.right(), y), kBlack);
    }
    QCOMPARE(back, back.mirrored(true, false));
    const double ink = static_cast<double>(CountOf(back, kBlack)) / (back.width() * back.height());
    QVERIFY2(ink > 0.2 && ink < 0.5, qPrintable(QString("ink share %1").arg(ink)));
}

void TestBacks::dottedBackDotsEvenlySpaced_data() {
    AddRatioRows({1.0, 1.25, 1.5, 3.0});
}

// Across the field, along every row and every column, each dot is as long
// as the first and the gaps between dots are odd numbers of dot lengths: the
// lattice is even. Dots set at rounded card positions, or a 1x back
// enlarged, come out one device pixel longer or shorter here and there.
void TestBacks::dottedBackDotsEvenlySpaced() {
    QFETCH(double, ratio);
    const QImage back = FetchPicture(53, ratio);
    QCOMPARE(ColoursOf(back).size(), std::size_t(2));
    int dot = 0;
    for (const QImage& lines : {back, back.transformed(QTransform().rotate(90))}) {
        // The middle of the field, well inside the frame.
        const QRect field = lines.rect().adjusted(lines.width() / 8, lines.height() / 8, -lines.width() / 8,
                                                  -lines.height() / 8);
        for (int y = field.top(); y <= field.bottom(); ++y) {
            QList<std::pair<bool, int>> runs;  // ink or not, length
            for (int x = field.left(); x <= field.right(); ++x) {
                const bool ink = lines.pixel(x, y) == kBlack;
                if (runs.isEmpty() || runs.last().first != ink)
                    runs.append({ink, 0});
                ++runs.last().second;
            }
            for (qsizetype i = 1; i + 1 < runs.size(); ++i) {  // the ends may be cut
                const auto [ink, length] = runs[i];
                dot = dot ? dot : ink ? length : 0;
                if (ink)
                    QVERIFY2(length == dot, qPrintable(QString("dot of %1 in line %2").arg(length).arg(y)));
                else if (dot)
                    QVERIFY2(length % dot == 0 && length / dot % 2 == 1,
                             qPrintable(QString("gap of %1 in line %2").arg(length).arg(y)));
            }
        }
    }
}

void TestBacks::drawingTheBacksStartsNoThreads() {
    // Handing a fill to Qt's thread pool costs far more than the fill on a
    // card this small; the designs avoid the kinds of fill that do it, also
    // where drawing at density makes a shape large.
    const auto threadCount = [] {
        return QDir("/proc/self/task").entryList(QDir::Dirs | QDir::NoDotAndDotDot).size();
    };
    const auto before = threadCount();
    for (double ratio : {1.0, 1.5, 2.0, 3.0})
        for (int back = 0; back < kBackCount; ++back)
            (void)DrawBack(back, ratio);
    QCOMPARE(threadCount(), before);
}

void TestBacks::roundShadeCoversOnlyItsDisc() {
    QImage card(kCardSize, QImage::Format_RGB32);
    card.fill(kBlack);
    backs::ShadeRound(card, {20.5, 30.5}, 10, {{0.0, QColor(Qt::white)}, {1.0, QColor(Qt::red)}});
    QCOMPARE(card.pixel(20, 30), 0xffffffff);      // the centre takes the first stop
    QCOMPARE(qRed(card.pixel(29, 30)), 255);       // near the rim, close to the last
    QVERIFY(qGreen(card.pixel(29, 30)) < 64);
    QCOMPARE(card.pixel(20, 41), kBlack);          // just beyond the rim, untouched
    QCOMPARE(card.pixel(0, 0), kBlack);
    QCOMPARE(card.pixel(70, 95), kBlack);

    card.fill(kBlack);
    backs::ShadeRound(card, {-50, -50}, 10, {{0.0, QColor(Qt::white)}, {1.0, QColor(Qt::white)}});
    QCOMPARE(CountOf(card, kBlack), card.width() * card.height());  // wholly off the card
}

void TestBacks::scatterIsSpreadAndRepeatable() {
    int lowHalf = 0;
    constexpr int kSamples = 1000;
    for (int i = 0; i < kSamples; ++i) {
        const qreal value = backs::Scatter(i, i / 7, 3);
        QVERIFY(value >= 0 && value < 1);
        QCOMPARE(backs::Scatter(i, i / 7, 3), value);
        lowHalf += value < 0.5 ? 1 : 0;
    }
    QVERIFY2(lowHalf > 430 && lowHalf < 570, qPrintable(QString::number(lowHalf)));
    QVERIFY(backs::Scatter(1, 2, 3) != backs::Scatter(1, 2, 4));
}

QTEST_APPLESS_MAIN(TestBacks)
#include "test_backs.moc"
