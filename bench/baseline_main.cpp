#include "baseline_window.h"
#include "first_frame.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    BaselineWindow window;
    return FirstFrameProbe(window).Run(app);
}
