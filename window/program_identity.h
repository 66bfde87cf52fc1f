#pragma once

#include <QString>

namespace tolvane {

// The program's name, as its window caption and in its messages.
inline constexpr char kProgramName[] = "Tolvane";

// The version the program reports, "major.minor" with two minor digits: "1.00".
QString ProgramVersion();

// Gives the running application Tolvane's name, version and desktop entry,
// for the window system and the desktop's launcher. Call once, after the
// QApplication is made.
void IdentifyProgram();

}  // namespace tolvane
