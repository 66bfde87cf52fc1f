#pragma once

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

#include <optional>
#include <variant>

namespace tolvane {

// The program ends before it opens its window: what it prints and its exit
// status (0 after --help or --version, 2 for a wrong command line, 1 when
// no display can be reached).
struct EarlyExit {
    int status;
    QString standardOutput;
    QString standardError;
};

// A command line that asks for the window. Qt's own options stay in the
// arguments for QApplication; the two that say where the window goes are
// kept here, empty when not given.
struct WindowRequest {
    QString platform;  // -platform NAME
    QString display;  // -display NAME
};

// Reads the program's arguments (the first is the program itself) the GNU
// way: --help and --version, and Qt's own options such as -style and
// -platform. Needs no QCoreApplication.
std::variant<EarlyExit, WindowRequest> ReadCommandLine(const QStringList& arguments);

// Decides, before a QApplication is made, whether the program should end
// instead of starting: a command line that asks for something else, or no
// window system to be reached (QApplication would abort).
std::optional<EarlyExit> CheckStart(const QStringList& arguments, const QProcessEnvironment& environment);

// CheckStart on the process's own arguments and environment, printing what
// it says: the exit status when the program should end, nothing to go on.
std::optional<int> EndBeforeWindow(int argc, char* argv[]);

}  // namespace tolvane
