// Saves a picture of Tolvane's window as it opens:
//   window_screenshot out.png [POINT-SIZE] [--popup] [--palette NAME]
// POINT-SIZE sets the application font's size first; --popup opens the
// all-pictures selector and shows its popup over the window, scrolled to
// the card backs; --palette sets a sample palette (dark, contrast,
// contrast-dark) first. Run it under the offscreen platform or a virtual
// display.
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QPainter>
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
    if (arguments.size() < 2 || arguments.size() > 3) {
        QTextStream(stderr) << "usage: window_screenshot out.png [POINT-SIZE] [--popup] [--palette NAME]\n";
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
