#include "program_identity.h"

#include <QGuiApplication>

namespace tolvane {

QString ProgramVersion() {
    return QStringLiteral("%1.%2").arg(TOLVANE_VERSION_MAJOR).arg(TOLVANE_VERSION_MINOR, 2, 10, QChar('0'));
}

void IdentifyProgram() {
    QGuiApplication::setApplicationName(QString::fromLatin1(kProgramName));
    QGuiApplication::setApplicationVersion(ProgramVersion());
    QGuiApplication::setDesktopFileName(QStringLiteral("tolvane"));  // tolvane.desktop
}

}  // namespace tolvane
