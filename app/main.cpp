#include <QApplication>

#include "app/command_line.h"
#include "app/platform_start.h"
#include "window/frmTolvane.h"
#include "window/program_identity.h"

int main(int argc, char* argv[]) {
    if (const auto status = tolvane::EndBeforeWindow(argc, argv))
        return *status;
    tolvane::EndCleanlyIfNoPlatformStarts();
    QApplication app(argc, argv);
    tolvane::PlatformStarted();
    tolvane::IdentifyProgram();
    tolvane::frmTolvane window;
    window.show();
    return app.exec();
}
