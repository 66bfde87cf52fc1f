// Prints the contrast of each text Tolvane's window shows against its
// background, and of each control's focus frame, as WCAG 2 contrast ratios
// read from grabs of the window:
//   window_contrast [--palette NAME]
// NAME is a sample palette (dark, contrast, contrast-dark) set before the
// window is made; without it the window has the desktop's palette. Run it
// under the offscreen platform or a virtual display.
#include <QApplication>
#include <QColor>
#include <QTest>
#include <QTextStream>

#include <exception>
#include <stdexcept>

#include "sample_palettes.h"
#include "text_contrast.h"
#include "window/frmTolvane.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QStringList arguments = QApplication::arguments();
    QTextStream out(stdout);
    QTextStream err(stderr);
    try {
        tolvane::TakePaletteOption(arguments);
    } catch (const std::invalid_argument& error) {
        err << "window_contrast: " << error.what() << "\n";
        return 2;
    }
    if (arguments.size() != 1) {
        err << "usage: window_contrast [--palette " << tolvane::SamplePaletteNames().join('|') << "]\n";
        return 2;
    }
    try {
        tolvane::frmTolvane window;
        window.show();
        window.activateWindow();
        // Read with the focus in the list, where it starts.
        if (!QTest::qWaitForWindowActive(&window) || !QTest::qWaitFor([] { return QApplication::focusWidget(); })) {
            err << "the window did not become active\n";
            return 1;
        }
        out << QStringLiteral("%1  %2  %3\n").arg(QStringLiteral("what"), -24).arg(QStringLiteral("contrast"), 8)
                   .arg(QStringLiteral("against"));
        for (const auto& reading : tolvane::TextContrasts(window) + tolvane::FocusFrameContrasts(window))
            out << QStringLiteral("%1  %2:1  %3\n").arg(reading.what, -24).arg(reading.contrast, 6, 'f', 1)
                       .arg(QColor(reading.background).name());
    } catch (const std::exception& error) {
        err << "window_contrast: " << error.what() << "\n";
        return 1;
    }
    return 0;
}
