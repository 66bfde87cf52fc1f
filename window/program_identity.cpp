#include "window/program_identity.h"

#include <QGuiApplication>

namespace tolvane {

QString ProgramVersion() {
    return QStringLiteral(TOLVANE_RELEASE);
}

void IdentifyProgram() {
    QGuiApplication::setApplicationName(QString::fromLatin1(kProgramName));
    QGuiApplication::setApplicationVersion(ProgramVersion());
    QGuiApplication::setDesktopFileName(QStringLiteral(TOLVANE_APP_ID));  // its .desktop file
}

}  // namespace tolvane
