#include <QFile>
#include <QStringList>
#include <QTest>

#include <climits>
#include <cmath>
#include <functional>
#include <limits>
#include <set>
#include <utility>
#include <vector>

#include "deck/card.h"
#include "picture_digests.h"
#include "pictures/picture_catalogue.h"
#include "pixel_counts.h"
#include "raster/palette.h"
#include "throws_naming.h"

using namespace tolvane;

namespace {

constexpr QRgb kWhite = 0xffffffff;
constexpr QRgb kBlack = 0xff000000;
constexpr QRgb kRed = 0xffff0000;
constexpr QRgb kMagenta = 0xffff00ff;

bool IsRedSuit(int card) {
    return card >= 14 && card <= 39;
}

bool IsCourt(int card) {
    return (card - 1) % 13 + 1 > 10;
}

// Counts the separate shapes of non-white pixels inside `area`, pixels that
// touch at an edge or a corner belonging to one shape.
int CountInkShapes(const QImage& image, const QRect& area) {
    std::vector<bool> seen(area.width() * area.height(), false);
    auto index = [&](int x, int y) { return (y - area.top()) * area.width() + (x - area.left()); };
    auto isInk = [&](int x, int y) { return image.pixel(x, y) != kWhite; };
    int shapes = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (seen[index(x, y)] || !isInk(x, y))
                continue;
            ++shapes;
            std::vector<QPoint> stack{{x, y}};
            seen[index(x, y)] = true;
            while (!stack.empty()) {
                const QPoint p = stack.back();
                stack.pop_back();
                for (int dy = -1; dy <= 1; ++dy) {
                    for (int dx = -1; dx <= 1; ++dx) {
                        const QPoint q(p.x() + dx, p.y() + dy);
                        if (!area.contains(q) || seen[index(q.x(), q.y())] || !isInk(q.x(), q.y()))
                            continue;
                        seen[index(q.x(), q.y())] = true;
                        stack.push_back(q);
                    }
                }
            }
        }
    }
    return shapes;
}

// Fetches the picture right after freeing an image of its size filled with
// `leftover`, so that memory the picture is drawn into likely still holds it.
QImage FetchOverLeftovers(PictureId id, QRgb leftover) {
    {
        QImage used(FetchPicture(id).size(), QImage::Format_RGB32);
        used.fill(leftover);
    }
    return FetchPicture(id);
}

}  // namespace

class TestPictures : public QObject {
    Q_OBJECT

private slots:
    void everyPixelAsRecorded_data();
    void everyPixelAsRecorded();
    void badArgumentsThrow_data();
    void badArgumentsThrow();
    void twoColourPictures_data();
    void twoColourPictures();
    void sixteenColourPictures_data();
    void sixteenColourPictures();
    void fullColourBacksHaveMagentaCorners_data();
    void fullColourBacksHaveMagentaCorners();
    void pipCount_data();
    void pipCount();
    void cornerIndexInkFollowsSuit_data();
    void cornerIndexInkFollowsSuit();
    void cornerIndexTurnsAtBottomRight();
    void courtCardsAreDoubleHeaded();
    void subjects();
    void everyPixelIsDrawn();
};

// Each picture's digest, at its own pixels and drawn for dense screens,
// against the one recorded when it was last meant to change;
// `picture_sheet --digests tests` rewrites the files (see the README).
void TestPictures::everyPixelAsRecorded_data() {
    QTest::addColumn<double>("ratio");
    for (double ratio : kDigestRatios)
        QTest::addRow("at %gx", ratio) << ratio;
}

void TestPictures::everyPixelAsRecorded() {
    QFETCH(double, ratio);
    QFile file(QString(PICTURE_DIGESTS_DIR "/") + PictureDigestFile(ratio));
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
    const auto recorded = ParseDigestTable(QString::fromLatin1(file.readAll()));
    QStringList changed;
    std::set<QByteArray> distinct;
    for (PictureId id = kFirstPicture; id <= kLastPicture; ++id) {
        const auto entry = recorded.find(id);
        if (entry == recorded.end() || entry->second != ImageDigest(FetchPicture(id, ratio)))
            changed << QString::number(id);
        if (entry != recorded.end())
            distinct.insert(entry->second);
    }
    QVERIFY2(changed.isEmpty(), qPrintable("pictures changed: " + changed.join(", ")));
    QCOMPARE(recorded.size(), std::size_t(kLastPicture));
    QVERIFY2(distinct.size() == recorded.size(), "two pictures are alike");
}

// What every picture is said to show: a face its card's name, every other
// picture its own subject.
void TestPictures::subjects() {
    const char* const others[] = {
        "fine black dot pattern on white",
        "sky with clouds",
        "blue abstract",
        "tropical fish on blue",
        "toy frog on orange",
        "red swirl on white",
        "palm island and sea",
        "blue mosaic squares",
        "magenta light streaks",
        "desert dune with moon",
        "astronaut above the earth",
        "orange stripes",
        "three toy racing cars on green",
        "a red X on a green card",
        "a green ring on a green card",
        "red-and-white checks on yellow over a white card, with a small red mark",
        "red-and-white checks on yellow over a white card, with a small red mark and a red blob",
        "a small blue picture with closed eyes",
        "a small smiling face",
        "a small smiling face with its tongue out",
        "a small red strip with a dial and two lamps, the green lamp lit",
        "a small red strip with a dial and two lamps, the yellow lamp lit",
    };
    static_assert(std::size(others) == kLastPicture - kFirstBack + 1);
    for (PictureId id = kFirstPicture; id < kFirstBack; ++id)
        QCOMPARE(PictureSubject(id), QString::fromStdString(CardName(id)));
    for (PictureId id = kFirstBack; id <= kLastPicture; ++id)
        QCOMPARE(PictureSubject(id), QString(others[id - kFirstBack]));
}

void TestPictures::badArgumentsThrow_data() {
    QTest::addColumn<int>("id");
    QTest::addColumn<double>("ratio");
    QTest::addColumn<QString>("named");  // the word of the message that names the bad value
    for (int id : {0, -1, 75, INT_MIN, INT_MAX})
        QTest::addRow("id %d", id) << id << 1.0 << QString::number(id);
    const double inf = std::numeric_limits<double>::infinity();
    const std::pair<double, const char*> ratios[] = {
        {0.99, "0.99"}, {12.01, "12.01"}, {0, "0"}, {-1, "-1"}, {std::nan(""), "nan"}, {inf, "inf"},
        {-inf, "-inf"}, {std::nextafter(1.0, 0.0), "0.9999999999999999"},
        {std::nextafter(12.0, 13.0), "12.000000000000002"}};
    for (const auto& [ratio, text] : ratios)
        QTest::addRow("ratio %s", text) << 1 << ratio << QString(text);
}

void TestPictures::badArgumentsThrow() {
    QFETCH(int, id);
    QFETCH(double, ratio);
    QFETCH(QString, named);
    std::vector<std::function<void()>> calls{[&] { (void)FetchPicture(id, ratio); }};
    if (ratio == 1.0)  // a bad id: its subject is refused too
        calls.push_back([&] { (void)PictureSubject(id); });
    for (const auto& call : calls)
        CheckThrowsNaming(call, named);
}

void TestPictures::twoColourPictures_data() {
    QTest::addColumn<int>("id");
    QTest::addColumn<QRgb>("ink");
    for (int card = 1; card <= 52; ++card)
        if (!IsCourt(card))
            QTest::addRow("%d", card) << card << (IsRedSuit(card) ? kRed : kBlack);
    QTest::newRow("53") << 53 << kBlack;
}

void TestPictures::twoColourPictures() {
    QFETCH(int, id);
    QFETCH(QRgb, ink);
    QCOMPARE(ColoursOf(FetchPicture(id)), (std::set<QRgb>{kWhite, ink}));
}

void TestPictures::sixteenColourPictures_data() {
    QTest::addColumn<int>("id");
    for (int card = 1; card <= 52; ++card)
        if (IsCourt(card))
            QTest::addRow("%d", card) << card;
    for (int id = 66; id <= 74; ++id)
        QTest::addRow("%d", id) << id;
}

void TestPictures::sixteenColourPictures() {
    QFETCH(int, id);
    QCOMPARE(kPaletteColours.size(), std::size_t{16});
    for (QRgb colour : ColoursOf(FetchPicture(id)))
        QVERIFY2(kPaletteColours.count(colour), qPrintable(QString::number(colour, 16)));
}

void TestPictures::fullColourBacksHaveMagentaCorners_data() {
    QTest::addColumn<int>("id");
    for (int id = 54; id <= 65; ++id)
        QTest::addRow("%d", id) << id;
}

void TestPictures::fullColourBacksHaveMagentaCorners() {
    QFETCH(int, id);
    const QImage back = FetchPicture(id);
    const int r = back.width() - 1, b = back.height() - 1;
    const std::set<std::pair<int, int>> corners = {
        {0, 0}, {1, 0}, {0, 1}, {r, 0}, {r - 1, 0}, {r, 1},
        {0, b}, {1, b}, {0, b - 1}, {r, b}, {r - 1, b}, {r, b - 1}};
    for (int y = 0; y <= b; ++y)
        for (int x = 0; x <= r; ++x) {
            const bool magenta = back.pixel(x, y) == kMagenta;
            if (corners.count({x, y}))
                QVERIFY2(magenta, qPrintable(QString("(%1, %2) not magenta").arg(x).arg(y)));
            else if (x <= 2 || x >= r - 2)
                QVERIFY2(!magenta || (y > 2 && y < b - 2),
                         qPrintable(QString("stray magenta near a corner at (%1, %2)").arg(x).arg(y)));
        }
    QVERIFY2(ColoursOf(back).size() > 16, "a full-colour back uses more than 16 colours");
}

void TestPictures::pipCount_data() {
    QTest::addColumn<int>("card");
    QTest::addColumn<int>("pips");
    for (int suit = 0; suit < 4; ++suit)
        for (int rank = 2; rank <= 10; ++rank)
            QTest::addRow("%d", suit * 13 + rank) << suit * 13 + rank << rank;
}

void TestPictures::pipCount() {
    // The pips stand inside the card's middle, clear of the border and of
    // the corner indices, and none touches another.
    QFETCH(int, card);
    QFETCH(int, pips);
    QCOMPARE(CountInkShapes(FetchPicture(card), QRect(QPoint(12, 5), QPoint(58, 90))), pips);
}

void TestPictures::cornerIndexInkFollowsSuit_data() {
    QTest::addColumn<int>("card");
    for (int card = 1; card <= 52; ++card)
        QTest::addRow("%d", card) << card;
}

void TestPictures::cornerIndexInkFollowsSuit() {
    QFETCH(int, card);
    const QImage face = FetchPicture(card);
    const QRgb ink = IsRedSuit(card) ? kRed : kBlack;
    int inkPixels = 0;
    for (int y = 3; y < 28; ++y)
        for (int x = 2; x < 11; ++x) {
            const QRgb colour = face.pixel(x, y);
            QVERIFY(colour == kWhite || colour == ink);
            inkPixels += colour == ink ? 1 : 0;
        }
    QVERIFY2(inkPixels > 20, "the corner index shows a rank and a suit");
}

void TestPictures::cornerIndexTurnsAtBottomRight() {
    for (int card = 1; card <= 52; ++card) {
        const QImage face = FetchPicture(card);
        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < 12; ++x)
                QCOMPARE(face.pixel(x, y), face.pixel(70 - x, 95 - y));
    }
}

void TestPictures::courtCardsAreDoubleHeaded() {
    for (int card = 1; card <= 52; ++card) {
        if (!IsCourt(card))
            continue;
        const QImage face = FetchPicture(card);
        QCOMPARE(face, face.transformed(QTransform().rotate(180)));
    }
}

// A pixel left undrawn shows whatever the memory held: a picture that
// varies with it has one.
void TestPictures::everyPixelIsDrawn() {
    for (int id = 1; id <= 74; ++id)
        QVERIFY2(FetchOverLeftovers(id, kBlack) == FetchOverLeftovers(id, kMagenta), qPrintable(QString::number(id)));
}

QTEST_APPLESS_MAIN(TestPictures)
#include "test_pictures.moc"
