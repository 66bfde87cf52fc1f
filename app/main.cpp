#include <QApplication>

#include "window/frmTolvane.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    tolvane::frmTolvane window;
    window.show();
    return app.exec();
}
