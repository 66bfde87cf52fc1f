#include <QApplication>

#include "app/command_line.h"
#include "window/frmTolvane.h"
#include "window/program_identity.h"

int main(int argc, char* argv[]) {
    // Before QApplication, which aborts when it finds no display.
    if (const auto status = tolvane::EndBeforeWindow(argc, argv))
        return *status;
    QApplication app(argc, argv);
    tolvane::IdentifyProgram();
    tolvane::frmTolvane window;
    window.show();
    return app.exec();
}
