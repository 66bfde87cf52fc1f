// Opens Tolvane's window, presses Shuffle 1,000 times with real mouse
// clicks, closes the window and exits: the run `make memcheck` watches.
// Run it under the offscreen platform or a virtual display.
#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTextStream>

#include "window/frmTolvane.h"

namespace {

constexpr int kShuffles = 1000;

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    tolvane::frmTolvane window;
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        QTextStream(stderr) << "the window never appeared\n";
        return 1;
    }
    auto* shuffle = window.findChild<QPushButton*>(QStringLiteral("cmdShuffle"));
    for (int press = 0; press < kShuffles; ++press) {
        QTest::mouseClick(shuffle, Qt::LeftButton);
        QApplication::processEvents();
    }
    window.close();
    QApplication::processEvents();
    return 0;
}
