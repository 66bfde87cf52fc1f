// Saves a picture of Tolvane's window as it opens: window_screenshot out.png
// Run it under the offscreen platform or a virtual display.
#include <QApplication>
#include <QTextStream>

#include "window/frmTolvane.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() != 2) {
        QTextStream(stderr) << "usage: window_screenshot out.png\n";
        return 2;
    }
    tolvane::frmTolvane window;
    window.show();
    QApplication::processEvents();
    if (!window.grab().save(arguments.at(1))) {
        QTextStream(stderr) << "cannot write " << arguments.at(1) << "\n";
        return 1;
    }
    return 0;
}
