#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace tolvane {

// The program ends before it opens its window: what it prints and its exit
// status (0 after --help or --version, 2 for a wrong command line).
struct EarlyExit {
    int status;
    QString standardOutput;
    QString standardError;
};

// Reads the program's arguments (the first is the program itself) the GNU
// way: --help and --version, and Qt's own options such as -style and
// -platform, which stay in the arguments for QApplication. Nothing when the
// command line asks for the window. Needs no QCoreApplication.
std::optional<EarlyExit> ReadCommandLine(const QStringList& arguments);

// ReadCommandLine on the process's own arguments, printing what it says:
// the exit status when the program should end, nothing to go on.
std::optional<int> EndBeforeWindow(int argc, char* argv[]);

}  // namespace tolvane
