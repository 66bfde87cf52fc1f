#pragma once

namespace tolvane {

// Qt ends the program with an abort when it can start no window system: no
// display, a display that does not answer, a platform it does not know.
// Called before the QApplication is made, this turns that end into exit
// status 1 and one line on standard error saying which display was tried and
// what to do. Qt's own platform messages of the start are left out, since
// that line says what they would.
void EndCleanlyIfNoPlatformStarts();

// Called once the QApplication is made: from here on Qt reports as usual.
void PlatformStarted();

}  // namespace tolvane
