#include <QScopeGuard>
#include <QTest>

#include "sample_palettes.h"
#include "text_contrast.h"
#include "window_fixture.h"

using namespace tolvane;

namespace {

// WCAG 2's least contrast for text of ordinary size, and for a control's
// outline against what lies next to it.
constexpr double kLegibleText = 4.5;
constexpr double kVisibleFrame = 3;

// A text's background is one the palette gives, or a shade of it that the
// style draws (Fusion's buttons run a little lighter than the button colour).
bool IsPaletteBackground(QRgb background, const QPalette& palette) {
    constexpr double kShade = 1.6;
    for (QPalette::ColorRole role : {QPalette::Window, QPalette::Base, QPalette::Button, QPalette::Highlight,
                                     QPalette::ToolTipBase})
        if (ContrastRatio(background, palette.color(role).rgb()) <= kShade)
            return true;
    return false;
}

QString Described(const Reading& reading) {
    return QStringLiteral("%1 at %2:1 against %3")
        .arg(reading.what)
        .arg(reading.contrast)
        .arg(QColor(reading.background).name());
}

}  // namespace

class TestWindowPalette : public QObject {
    Q_OBJECT

private slots:
    // The desktop's colours change while the window is shown, to a dark or
    // a high-contrast palette. The window follows them: every text stands
    // out from its background as the palette's colours do (a colour fixed
    // in code, or a control that kept the colours it started with, does
    // not), every control shows where the focus is, and the pictures keep
    // their own pixels.
    void windowFollowsADarkOrHighContrastPalette_data() {
        QTest::addColumn<QString>("palette");
        for (const QString& name : SamplePaletteNames())
            QTest::newRow(qPrintable(name)) << name;
    }
    void windowFollowsADarkOrHighContrastPalette() {
        QFETCH(QString, palette);
        Shown shown;
        const QPalette before = QApplication::palette();
        const auto restore = qScopeGuard([&before] { QApplication::setPalette(before); });
        const QPalette sample = SamplePalette(palette);
        QApplication::setPalette(sample);
        QTRY_COMPARE(shown.window.palette().color(QPalette::Window), sample.color(QPalette::Window));
        const QImage grab = shown.window.grab().toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(grab.pixel(4, 400), sample.color(QPalette::Window).rgb());  // below the list
        for (const char* name : {"imgCard", "imgBack", "imgAll"}) {
            ImageBox* box = shown.Box(name);
            const QImage picture = box->Picture().convertToFormat(QImage::Format_RGB32);
            QVERIFY2(grab.copy(QRect(box->pos(), picture.size())) == picture, name);
        }
        for (const Reading& reading : TextContrasts(shown.window))
            QVERIFY2(reading.contrast >= kLegibleText && IsPaletteBackground(reading.background, sample),
                     qPrintable(Described(reading)));
        for (const Reading& reading : FocusFrameContrasts(shown.window))
            QVERIFY2(reading.contrast >= kVisibleFrame, qPrintable(Described(reading)));
    }
};

QTEST_MAIN(TestWindowPalette)
#include "test_window_palette.moc"
