#include "handler_failure.h"

#include <QMessageBox>

#include <cstdlib>
#include <exception>
#include <iostream>

#include "window/program_identity.h"

namespace tolvane {

void ReportAndEnd(QWidget* window, const QString& what) {
    std::cerr << "tolvane: internal error, the program ends: " << what.toStdString() << std::endl;
    const QString name = QString::fromLatin1(kProgramName);
    QMessageBox::critical(window, name, QStringLiteral("%1 met an internal error and has to close.\n\n%2").arg(name, what));
    // _Exit rather than exit: static destructors must not run while Qt's
    // widgets and the handlers that failed are still on the stack.
    std::_Exit(EXIT_FAILURE);
}

void RunHandler(QWidget* window, const std::function<void()>& handler, const HandlerFailure& failed) noexcept {
    try {
        handler();
    } catch (const std::exception& error) {
        failed(window, QString::fromStdString(error.what()));
    } catch (...) {
        failed(window, QStringLiteral("an unknown error"));
    }
}

}  // namespace tolvane
