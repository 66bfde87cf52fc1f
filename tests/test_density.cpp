#include <QTest>

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "pictures/picture_catalogue.h"
#include "ratio_rows.h"

using namespace tolvane;

namespace {

// Two device pixels count as apart when some colour channel differs by more
// than about a tenth of its range: more than rounding moves a smooth area.
constexpr int kApart = 24;

// A block-by-block and a smooth enlargement of a picture part at its edges.
// A picture drawn at density parts from each of them along its curved and
// slanted edges, at a share of as many pixels: a sixth or more on every
// face, near a tenth on the mosaic back whose tiles are mostly straight
// edges on whole pixels. An enlargement parts from itself nowhere.
constexpr double kLeastApartPerEdge = 0.04;

int ChannelDistance(QRgb a, QRgb b) {
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                     std::abs(qBlue(a) - qBlue(b)), std::abs(qAlpha(a) - qAlpha(b))});
}

// The share of the pixels at which two images of one size are apart.
double ShareApart(const QImage& a, const QImage& b) {
    const QImage first = a.convertToFormat(QImage::Format_ARGB32);
    const QImage second = b.convertToFormat(QImage::Format_ARGB32);
    int apart = 0;
    for (int y = 0; y < first.height(); ++y) {
        const auto* one = reinterpret_cast<const QRgb*>(first.constScanLine(y));
        const auto* other = reinterpret_cast<const QRgb*>(second.constScanLine(y));
        for (int x = 0; x < first.width(); ++x)
            apart += ChannelDistance(one[x], other[x]) > kApart ? 1 : 0;
    }
    return double(apart) / (first.width() * first.height());
}

}  // namespace

class TestDensity : public QObject {
    Q_OBJECT

private slots:
    void sizeFollowsTheRatio_data();
    void sizeFollowsTheRatio();
    void drawnNotEnlarged_data();
    void drawnNotEnlarged();
};

void TestDensity::sizeFollowsTheRatio_data() {
    AddRatioRows({1.0, 1.25, 1.5, 2.0, 3.0, 12.0});
}

// Rounded to the nearest device pixel, halves away from zero: a card at 1.5
// is 107 x 144.
void TestDensity::sizeFollowsTheRatio() {
    QFETCH(double, ratio);
    for (PictureId id = kFirstPicture; id <= kLastPicture; ++id) {
        const QSize own = FetchPicture(id).size();
        const QImage dense = FetchPicture(id, ratio);
        const QSize expected(std::lround(own.width() * ratio), std::lround(own.height() * ratio));
        QVERIFY2(dense.size() == expected, qPrintable(QString("picture %1").arg(id)));
        QCOMPARE(dense.devicePixelRatio(), ratio);
    }
}

void TestDensity::drawnNotEnlarged_data() {
    QTest::addColumn<PictureId>("id");
    QTest::addColumn<double>("ratio");
    for (double ratio : {1.5, 2.0})
        for (PictureId id = kFirstPicture; id <= kLastBack; ++id)
            QTest::addRow("%d at %g", id, ratio) << id << ratio;
}

// Each card face and back is drawn at the screen's density from its shapes,
// not enlarged from its own pixels, whether block by block or smoothly.
void TestDensity::drawnNotEnlarged() {
    QFETCH(PictureId, id);
    QFETCH(double, ratio);
    const QImage dense = FetchPicture(id, ratio);
    const QImage own = FetchPicture(id);
    const QImage blocks = own.scaled(dense.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
    const QImage smooth = own.scaled(dense.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const double edges = ShareApart(blocks, smooth);
    QVERIFY(edges > 0);
    const double fromBlocks = ShareApart(dense, blocks) / edges;
    const double fromSmooth = ShareApart(dense, smooth) / edges;
    QVERIFY2(std::min(fromBlocks, fromSmooth) >= kLeastApartPerEdge,
             qPrintable(QString("apart from the enlargements at %1 and %2 times the edge pixels")
                            .arg(fromBlocks, 0, 'f', 3)
                            .arg(fromSmooth, 0, 'f', 3)));
}

QTEST_APPLESS_MAIN(TestDensity)
#include "test_density.moc"
