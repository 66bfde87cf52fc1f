#include <QApplication>

#include "window/frmTolvane.h"
#include "window/program_identity.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    tolvane::IdentifyProgram();
    tolvane::frmTolvane window;
    window.show();
    return app.exec();
}
