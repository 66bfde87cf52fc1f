#include "first_frame.h"
#include "window/frmTolvane.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    tolvane::frmTolvane window;
    return FirstFrameProbe(window).Run(app);
}
