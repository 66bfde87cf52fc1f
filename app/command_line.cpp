#include "app/command_line.h"

#include <QCommandLineParser>

#include <array>
#include <cstdio>

namespace tolvane {

namespace {

constexpr char kUsage[] =
    "Usage: tolvane [OPTION]...\n"
    "Show a 52-card deck by card name, shuffle it, and browse the card backs\n"
    "and all the pictures the program draws.\n"
    "\n"
    "  -h, --help     show this help and exit\n"
    "  -v, --version  show the version and exit\n"
    "\n"
    "Qt's own options, such as -style NAME and -platform NAME, work too.\n"
    "Without a display, run it under xvfb-run or with QT_QPA_PLATFORM=offscreen.\n";

// The options QGuiApplication and QApplication take out of the arguments
// themselves; accepted here so that they reach them.
constexpr std::array kQtOptionsWithValue{
    "platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry", "qwindowicon",
    "qwindowtitle", "display", "geometry", "icon", "name", "title", "session", "style", "stylesheet",
    "qmljsdebugger"};
constexpr std::array kQtFlags{"reverse", "widgetcount", "testability", "nograb", "dograb", "sync"};

QCommandLineOption HiddenOption(const char* name, const QString& valueName = {}) {
    QCommandLineOption option(QString::fromLatin1(name), QString(), valueName);
    option.setFlags(QCommandLineOption::HiddenFromHelp);
    return option;
}

EarlyExit WrongCommandLine(const QString& error) {
    return {2, QString(), QStringLiteral("tolvane: %1\n").arg(error) + QString::fromLatin1(kUsage)};
}

}  // namespace

std::optional<EarlyExit> ReadCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    // Qt's options are words after one dash (-style), so no bundled letters.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QString());
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")}, QString());
    parser.addOptions({help, version});
    for (const char* name : kQtOptionsWithValue)
        parser.addOption(HiddenOption(name, QStringLiteral("value")));
    for (const char* name : kQtFlags)
        parser.addOption(HiddenOption(name));

    if (!parser.parse(arguments))
        return WrongCommandLine(parser.errorText());
    if (!parser.positionalArguments().isEmpty())
        return WrongCommandLine(QStringLiteral("unexpected argument '%1'").arg(parser.positionalArguments().first()));
    if (parser.isSet(help))
        return EarlyExit{0, QString::fromLatin1(kUsage), QString()};
    if (parser.isSet(version))
        return EarlyExit{0, QStringLiteral("tolvane " TOLVANE_RELEASE "\n"), QString()};
    return std::nullopt;
}

std::optional<int> EndBeforeWindow(int argc, char* argv[]) {
    QStringList arguments;
    for (int index = 0; index < argc; ++index)
        arguments << QString::fromLocal8Bit(argv[index]);
    const auto early = ReadCommandLine(arguments);
    if (!early)
        return std::nullopt;
    std::fputs(early->standardOutput.toLocal8Bit().constData(), stdout);
    std::fputs(early->standardError.toLocal8Bit().constData(), stderr);
    return early->status;
}

}  // namespace tolvane
