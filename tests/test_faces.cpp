#include <QTest>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <set>
#include <vector>

#include "faces/court_figures.h"
#include "faces/faces.h"
#include "faces/glyphs.h"
#include "faces/pip_layout.h"
#include "faces/suit_shapes.h"
#include "ratio_rows.h"
#include "throws_naming.h"

using namespace tolvane;

namespace {

template <typename Call>
void ExpectOutOfRangeNaming(int value, Call call) {
    CheckThrowsNaming([&] { call(value); }, QString::number(value));
}

}  // namespace

class TestFaces : public QObject {
    Q_OBJECT

private slots:
    void suitSymbolsAreMirrorSymmetric_data();
    void suitSymbolsAreMirrorSymmetric();
    void suitSymbolsKeepTheirCurves_data();
    void suitSymbolsKeepTheirCurves();
    void rankTextFitsTheIndex_data();
    void rankTextFitsTheIndex();
    void pipLayouts_data();
    void pipLayouts();
    void lowerPipsAreTheUpperOnesTurnedOver();
    void denseTwosAndTensAreTheirOwnTurn_data();
    void denseTwosAndTensAreTheirOwnTurn();
    void eachSuitsCourtsWearTheirOwnColours();
    void badArgumentsThrow_data();
    void badArgumentsThrow();
};

void TestFaces::suitSymbolsAreMirrorSymmetric_data() {
    QTest::addColumn<int>("suit");
    QTest::addColumn<QSize>("size");
    const char* names[] = {"clubs", "diamonds", "hearts", "spades"};
    for (int suit = Clubs; suit <= Spades; ++suit)
        for (QSize size : {QSize(9, 10), kPipSize, QSize(31, 34), QSize(35, 38)})
            QTest::addRow("%s %dx%d", names[suit], size.width(), size.height()) << suit << size;
}

void TestFaces::suitSymbolsAreMirrorSymmetric() {
    // A lopsided rasterisation shows at once on a card: every symbol must be
    // its own mirror image and fill a good part of its box.
    QFETCH(int, suit);
    QFETCH(QSize, size);
    const QImage stamp = SuitStamp(static_cast<Suit>(suit), size, 0xff000000);
    QCOMPARE(stamp.size(), size);
    QCOMPARE(stamp, stamp.mirrored(true, false));
    int inked = 0;
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            inked += qAlpha(stamp.pixel(x, y)) == 255 ? 1 : 0;
    QVERIFY2(inked * 3 > size.width() * size.height(), "the symbol fills at least a third of its box");
    QVERIFY2(inked < size.width() * size.height(), "the symbol leaves its corners clear");
}

void TestFaces::suitSymbolsKeepTheirCurves_data() {
    QTest::addColumn<int>("suit");
    QTest::addColumn<int>("curves");
    QTest::newRow("clubs: three leaves and the stem") << int(Clubs) << 3 * 4 + 2;
    QTest::newRow("diamonds: straight") << int(Diamonds) << 0;
    QTest::newRow("hearts: two lobes and the point") << int(Hearts) << 2 * 4 + 2;
    QTest::newRow("spades: a heart and the stem") << int(Spades) << 2 * 4 + 2 + 2;
}

void TestFaces::suitSymbolsKeepTheirCurves() {
    // Qt's path operations would join the parts into straight segments, a
    // few to a curve, which show as facets on a symbol drawn large.
    QFETCH(int, suit);
    QFETCH(int, curves);
    const QPainterPath& shape = SuitShape(static_cast<Suit>(suit));
    int found = 0;
    for (int i = 0; i < shape.elementCount(); ++i)
        found += shape.elementAt(i).isCurveTo() ? 1 : 0;
    QCOMPARE(found, curves);
}

void TestFaces::rankTextFitsTheIndex_data() {
    QTest::addColumn<int>("rank");
    for (int rank = Ace; rank <= King; ++rank)
        QTest::addRow("%d", rank) << rank;
}

void TestFaces::rankTextFitsTheIndex() {
    QFETCH(int, rank);
    const QImage text = RankText(rank, 0xffff0000);
    QCOMPARE(text.height(), kRankTextHeight);
    QVERIFY(text.width() <= kRankTextMaxWidth);
    QVERIFY2(text.width() == kRankTextMaxWidth || rank != 10, "\"10\" is the widest text");
    QVERIFY(text.pixel(0, 0) == 0 || text.pixel(0, 0) == 0xffff0000);
}

void TestFaces::pipLayouts_data() {
    QTest::addColumn<int>("rank");
    for (int rank = 2; rank <= 10; ++rank)
        QTest::addRow("%d", rank) << rank;
}

void TestFaces::pipLayouts() {
    // One pip per rank, boxes that stay a pixel apart so no two pips touch,
    // and every layout but the 7's the same either way up.
    QFETCH(int, rank);
    const std::vector<QPointF> centres = PipCentres(rank);
    QCOMPARE(centres.size(), std::size_t(rank));
    auto box = [](QPointF centre) {
        const QSizeF grown = QSizeF(kPipSize) + QSizeF(2, 2);
        return QRectF(centre - QPointF(grown.width() / 2, grown.height() / 2), grown);
    };
    for (std::size_t i = 0; i < centres.size(); ++i)
        for (std::size_t j = i + 1; j < centres.size(); ++j)
            QVERIFY2(!box(centres[i]).intersects(box(centres[j]).adjusted(0.5, 0.5, -0.5, -0.5)),
                     qPrintable(QString("pips %1 and %2").arg(i).arg(j)));
    std::set<std::pair<double, double>> places, turned;
    for (QPointF centre : centres) {
        places.insert({centre.x(), centre.y()});
        turned.insert({kCardSize.width() - centre.x(), kCardSize.height() - centre.y()});
    }
    QCOMPARE(places == turned, rank != 7);
}

void TestFaces::lowerPipsAreTheUpperOnesTurnedOver() {
    // The two of each suit: its lower pip is its upper one upside down.
    for (int card : {2, 15, 28, 41}) {
        const QImage face = DrawFace(card);
        const QImage upper = face.copy(QRect(QPoint(12, 5), QPoint(58, 47)));
        const QImage lower = face.copy(QRect(QPoint(12, 48), QPoint(58, 90)));
        QCOMPARE(lower, upper.mirrored(true, true));
    }
}

void TestFaces::denseTwosAndTensAreTheirOwnTurn_data() {
    AddRatioRows({1.25, 1.5, 2.0, 3.0});
}

void TestFaces::denseTwosAndTensAreTheirOwnTurn() {
    // At any density a two or a ten looks the same either way up: lower pips
    // turned and placed to the device pixel, the bottom index the top one
    // turned, the border even all round. Smoothing may differ by a shade.
    QFETCH(double, ratio);
    constexpr int kShade = 2;
    for (int card : {2, 10, 15, 23, 28, 36, 41, 49}) {
        const QImage face = DrawFace(card, ratio);
        const QImage turned = face.mirrored(true, true);
        for (int y = 0; y < face.height(); ++y)
            for (int x = 0; x < face.width(); ++x) {
                const QRgb a = face.pixel(x, y), b = turned.pixel(x, y);
                const int apart = std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                                            std::abs(qBlue(a) - qBlue(b))});
                if (apart > kShade)
                    QFAIL(qPrintable(QString("card %1 at (%2, %3)").arg(card).arg(x).arg(y)));
            }
    }
}

void TestFaces::eachSuitsCourtsWearTheirOwnColours() {
    for (int rank = Jack; rank <= King; ++rank) {
        std::set<std::set<QRgb>> outfits;
        for (int suit = Clubs; suit <= Spades; ++suit) {
            const QImage face = DrawFace(suit * 13 + rank);
            std::set<QRgb> colours;
            for (int y = 0; y < face.height(); ++y)
                for (int x = 0; x < face.width(); ++x)
                    colours.insert(face.pixel(x, y));
            QVERIFY2(colours.size() >= 6, qPrintable(QString("card %1 has %2 colours").arg(suit * 13 + rank).arg(colours.size())));
            QVERIFY2(outfits.insert(colours).second, qPrintable(QString("rank %1 suit %2").arg(rank).arg(suit)));
        }
    }
}

void TestFaces::badArgumentsThrow_data() {
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("call");
    for (int card : {0, 53, -1, INT_MIN})
        QTest::addRow("face %d", card) << card << 0;
    for (int rank : {1, 11, 0})
        QTest::addRow("pips %d", rank) << rank << 1;
    for (int rank : {0, 14})
        QTest::addRow("rank text %d", rank) << rank << 2;
    for (int suit : {-1, 4})
        QTest::addRow("suit %d", suit) << suit << 3;
    for (int rank : {10, 14})
        QTest::addRow("court %d", rank) << rank << 4;
}

void TestFaces::badArgumentsThrow() {
    QFETCH(int, value);
    QFETCH(int, call);
    switch (call) {
    case 0: ExpectOutOfRangeNaming(value, [](int v) { (void)DrawFace(v); }); break;
    case 1: ExpectOutOfRangeNaming(value, [](int v) { (void)PipCentres(v); }); break;
    case 2: ExpectOutOfRangeNaming(value, [](int v) { (void)RankText(v, 0xff000000); }); break;
    case 3: ExpectOutOfRangeNaming(value, [](int v) { (void)SuitShape(static_cast<Suit>(v)); }); break;
    case 4:
        ExpectOutOfRangeNaming(value, [](int v) {
            QImage card(71, 96, QImage::Format_RGB32);
            DrawCourtFigures(card, v, Hearts);
        });
        break;
    }
}

QTEST_APPLESS_MAIN(TestFaces)
#include "test_faces.moc"
