#include <QFile>
#include <QGuiApplication>
#include <QImageReader>
#include <QPixmap>
#include <QTest>

#include <algorithm>
#include <set>

#include "pictures/icon/program_icon.h"
#include "picture_digests.h"
#include "pixel_counts.h"
#include "raster/palette.h"
#include "throws_naming.h"

using namespace tolvane;

namespace {

// The colours of the opaque pixels; fails the test on a half-transparent one.
std::set<QRgb> OpaqueColours(const QImage& image) {
    std::set<QRgb> colours;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (qAlpha(pixel) == 255)
                colours.insert(pixel);
            else if (qAlpha(pixel) != 0)
                return {};
        }
    return colours;
}

// The reference: an icon holding every theme image at once, chosen and
// scaled by Qt.
QIcon AllImagesAtOnce() {
    QIcon icon;
    for (int edge : kThemeIconEdges)
        icon.addPixmap(QPixmap::fromImage(DrawThemeIcon(edge)));
    return icon;
}

}  // namespace

class TestProgramIcon : public QObject {
    Q_OBJECT

private slots:
    void images_data() {
        QTest::addColumn<IconImage>("image");
        QTest::addColumn<int>("edge");
        QTest::addColumn<int>("maxColours");
        QTest::newRow("32 x 32, 2 colours") << IconImage::TwoColour32 << 32 << 2;
        QTest::newRow("32 x 32, 16 colours") << IconImage::Colour32 << 32 << 16;
        QTest::newRow("16 x 16, 16 colours") << IconImage::Colour16 << 16 << 16;
    }
    void images() {
        QFETCH(IconImage, image);
        QFETCH(int, edge);
        QFETCH(int, maxColours);
        const QImage icon = DrawProgramIcon(image);
        QCOMPARE(icon.size(), QSize(edge, edge));
        const std::set<QRgb> colours = OpaqueColours(icon);
        QVERIFY2(colours.size() >= 2, "every pixel is either fully opaque or fully clear, with ink");
        QVERIFY(static_cast<int>(colours.size()) <= maxColours);
        const std::set<QRgb> allowed =
            maxColours == 2 ? std::set<QRgb>{palette::Black, palette::White} : kPaletteColours;
        QVERIFY(std::includes(allowed.begin(), allowed.end(), colours.begin(), colours.end()));
        QCOMPARE(icon.pixel(0, edge - 1), qRgba(0, 0, 0, 0));  // the corners show the desktop
        QCOMPARE(icon.pixel(edge - 1, 0), qRgba(0, 0, 0, 0));
    }

    // Each theme image is drawn at its own size: its edges are sharp (the
    // back card's left outline is solid black, where a scaled copy would be
    // grey).
    void themeImages_data() {
        QTest::addColumn<int>("edge");
        for (int edge : kThemeIconEdges)
            QTest::addRow("%d", edge) << edge;
    }
    void themeImages() {
        QFETCH(int, edge);
        const QImage image = DrawThemeIcon(edge);
        QCOMPARE(image.size(), QSize(edge, edge));
        QCOMPARE(image.pixel(qRound(2.0 * edge / 32), edge / 2), palette::Black);
        QCOMPARE(image.pixel(edge - 1, 0), qRgba(0, 0, 0, 0));
        QFile file(PICTURE_DIGESTS_DIR "/" + QString(kIconDigestFile));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(ParseDigestTable(QString::fromLatin1(file.readAll()))[edge], ImageDigest(image));
    }

    // The window's icon gives the picture it gave with every image drawn at
    // once, at the sizes it has and between them, on dense screens too.
    void windowIconAsBefore() {
        const QIcon before = AllImagesAtOnce();
        const QIcon icon = ProgramIcon();
        for (double ratio : {1.0, 2.0})
            for (int edge : {16, 20, 32, 40, 256, 300})
                QCOMPARE(icon.pixmap(QSize(edge, edge), ratio).toImage(),
                         before.pixmap(QSize(edge, edge), ratio).toImage());
    }

    // The files the build drew for the icon theme: one image a size, and
    // the scalable one.
    void themeFiles_data() { themeImages_data(); }
    void themeFiles() {
        QFETCH(int, edge);
        const QImage file(QStringLiteral(ICON_THEME_PATH "/%1x%1/apps/tolvane.png").arg(edge));
        QCOMPARE(file.convertToFormat(QImage::Format_ARGB32), DrawThemeIcon(edge));
    }
#ifdef ICON_SCALABLE
    void scalableFile() {
        QFile svg(QStringLiteral(ICON_THEME_PATH "/scalable/apps/tolvane.svg"));
        QVERIFY(svg.open(QIODevice::ReadOnly));
        const QByteArray text = svg.readAll();
        QVERIFY(text.contains("viewBox=\"0 0 256 256\""));
        QVERIFY(text.contains("fill=\"#ff0000\""));  // the heart
    }
#endif

    // The .ico file holds the three images, in order, each with its size
    // and its colours.
    void icoFile() {
        QImageReader reader(QStringLiteral(ICON_ICO_PATH), "ico");
        QCOMPARE(reader.imageCount(), 3);
        const int edges[] = {32, 32, 16};
        const int colours[] = {2, 5, 5};
        for (int index = 0; index < 3; ++index) {
            QVERIFY(reader.jumpToImage(index));
            const QImage image = reader.read().convertToFormat(QImage::Format_ARGB32);
            QCOMPARE(image.size(), QSize(edges[index], edges[index]));
            QCOMPARE(static_cast<int>(ColoursOf(image).size()) - 1, colours[index]);  // less the clear pixels
            QCOMPARE(image, DrawProgramIcon(kIconImages[index]));
        }
    }

    void badImageIsNamed() {
        CheckThrowsNaming([] { DrawProgramIcon(static_cast<IconImage>(7)); }, "7");
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, DrawThemeIcon(20));
    }
};

QTEST_MAIN(TestProgramIcon)
#include "test_program_icon.moc"
