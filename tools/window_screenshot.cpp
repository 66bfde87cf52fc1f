// Saves a picture of Tolvane's window as it opens:
//   window_screenshot out.png [POINT-SIZE] [--popup] [--palette NAME] [--zoom PERCENT]
// POINT-SIZE sets the application font's size first; --popup opens the
// all-pictures selector and shows its popup over the window, scrolled to
// the card backs; --palette sets a sample palette (dark, contrast,
// contrast-dark) first; --zoom zooms the window with Ctrl+Plus to PERCENT,
// one of its steps, which must fit on the screen. Run it under the
// offscreen platform or a virtual display; offscreen, a screen is 800 x 600
// unless a configuration file makes it larger, such as bench/large_screen.json:
//   QT_QPA_PLATFORM=offscreen:configfile=bench/large_screen.json
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QPainter>
#include <QTest>
#include <QTextStream>

#include <stdexcept>

#include "sample_palettes.h"
#include "window/frmTolvane.h"

namespace {

// The window with the selector's open popup drawn where it stands.
QImage GrabWithPopup(QWidget& window, QComboBox& selector) {
    selector.showPopup();
    QApplication::processEvents();
    QWidget* popup = selector.view()->window();
    const QRect area = window.frameGeometry().united(popup->geometry());
    QImage shot(area.size(), QImage::Format_RGB32);
    shot.fill(Qt::black);
    QPainter painter(&shot);
    painter.drawPixmap(window.geometry().topLeft() - area.topLeft(), window.grab());
    painter.drawPixmap(popup->geometry().topLeft() - area.topLeft(), popup->grab());
    return shot;
}

// Zooms in step by step until the title shows `percent`; false if the
// window stops short of it.
bool ZoomTo(QWidget& window, int percent) {
    const QString title = QStringLiteral("Tolvane (%1 %)").arg(percent);
    for (int step = 0; step < 7 && window.windowTitle() != title; ++step)
        QTest::keySequence(&window, QKeySequence::ZoomIn);
    return window.windowTitle() == title;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QStringList arguments = QApplication::arguments();
    const bool withPopup = arguments.removeAll(QStringLiteral("--popup")) > 0;
    try {
        tolvane::TakePaletteOption(arguments);
    } catch (const std::invalid_argument& error) {
        QTextStream(stderr) << "window_screenshot: " << error.what() << "\n";
        return 2;
    }
    int zoom = 100;
    if (const int at = arguments.indexOf(QStringLiteral("--zoom")); at > 0 && at + 1 < arguments.size()) {
        zoom = arguments.at(at + 1).toInt();
        arguments.remove(at, 2);
    }
    if (arguments.size() < 2 || arguments.size() > 3) {
        QTextStream(stderr) << "usage: window_screenshot out.png [POINT-SIZE] [--popup] [--palette NAME]"
                               " [--zoom PERCENT]\n";
        return 2;
    }
    if (arguments.size() == 3) {
        QFont font = QApplication::font();
        font.setPointSizeF(arguments.at(2).toDouble());
        QApplication::setFont(font);
    }
    tolvane::frmTolvane window;
    window.move(0, 0);
    window.show();
    QApplication::processEvents();
    if (zoom != 100 && !ZoomTo(window, zoom)) {
        QTextStream(stderr) << "the window does not zoom to " << zoom << " % on this screen\n";
        return 1;
    }
    QApplication::processEvents();
    QImage shot;
    if (withPopup) {
        auto* selector = window.findChild<QComboBox*>(QStringLiteral("comAll"));
        selector->setCurrentIndex(selector->findText(QStringLiteral("53")));
        shot = GrabWithPopup(window, *selector);
    } else {
        shot = window.grab().toImage();
    }
    if (!shot.save(arguments.at(1))) {
        QTextStream(stderr) << "cannot write " << arguments.at(1) << "\n";
        return 1;
    }
    return 0;
}
