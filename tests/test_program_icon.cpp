#include <QGuiApplication>
#include <QTest>

#include <algorithm>
#include <set>

#include "pictures/raster/palette.h"
#include "pictures/icon/program_icon.h"

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
        const std::set<QRgb> allowed = maxColours == 2
            ? std::set<QRgb>{palette::Black, palette::White}
            : std::set<QRgb>(palette::kColours.begin(), palette::kColours.end());
        QVERIFY(std::includes(allowed.begin(), allowed.end(), colours.begin(), colours.end()));
        QCOMPARE(icon.pixel(0, edge - 1), qRgba(0, 0, 0, 0));  // the corners show the desktop
        QCOMPARE(icon.pixel(edge - 1, 0), qRgba(0, 0, 0, 0));
    }

    void iconPrefersTheColourImages() {
        const QIcon icon = ProgramIcon();
        QCOMPARE(icon.pixmap(32).toImage().convertToFormat(QImage::Format_ARGB32),
                 DrawProgramIcon(IconImage::Colour32));
        QCOMPARE(icon.pixmap(16).toImage().convertToFormat(QImage::Format_ARGB32),
                 DrawProgramIcon(IconImage::Colour16));
    }

    void badImageIsNamed() {
        try {
            DrawProgramIcon(static_cast<IconImage>(7));
            QFAIL("no exception");
        } catch (const std::out_of_range& error) {
            QVERIFY2(QString(error.what()).contains('7'), error.what());
        }
    }
};

QTEST_MAIN(TestProgramIcon)
#include "test_program_icon.moc"
