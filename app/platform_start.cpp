#include "app/platform_start.h"

#include <QByteArray>
#include <QByteArrayList>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>

namespace tolvane {

namespace {

// "NAME=value", or "NAME is not set".
QByteArray Setting(const char* name) {
    const QByteArray value = qgetenv(name);
    return value.isEmpty() ? QByteArray(name) + " is not set" : QByteArray(name) + '=' + value;
}

// What Qt tried to open the window on, as the environment named it: the
// platforms asked for, or else X, and the displays these would use.
QByteArray DisplaysTried() {
    const QByteArray platforms = qgetenv("QT_QPA_PLATFORM");
    QByteArrayList tried;
    if (!platforms.isEmpty())
        tried << Setting("QT_QPA_PLATFORM");
    if (platforms.isEmpty() || platforms.contains("xcb"))
        tried << Setting("DISPLAY");
    if (platforms.contains("wayland") || qEnvironmentVariableIsSet("WAYLAND_DISPLAY"))
        tried << Setting("WAYLAND_DISPLAY");
    return tried.join(", ");
}

void ReportStartFailure(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtFatalMsg) {
        std::fprintf(stderr,
                     "tolvane: no display to open the window on (%s); run it on a desktop, under xvfb-run, "
                     "or with QT_QPA_PLATFORM=offscreen\n",
                     DisplaysTried().constData());
        std::fflush(stderr);
        std::_Exit(1);  // before Qt aborts
    }
    if (QByteArray(context.category).startsWith("qt.qpa"))
        return;
    std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

}  // namespace

void EndCleanlyIfNoPlatformStarts() {
    qInstallMessageHandler(ReportStartFailure);
}

void PlatformStarted() {
    qInstallMessageHandler(nullptr);
}

}  // namespace tolvane
