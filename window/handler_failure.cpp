#include "handler_failure.h"

#include <QMessageBox>

#include <cstdlib>
#include <exception>
#include <iostream>

namespace tolvane {

namespace {

[[noreturn]] void ReportAndEnd(QWidget* window, const QString& what) {
    std::cerr << "tolvane: internal error, the program ends: " << what.toStdString() << std::endl;
    QMessageBox::critical(window, QStringLiteral("Tolvane"),
                          QStringLiteral("Tolvane met an internal error and has to close.\n\n%1").arg(what));
    // _Exit rather than exit: static destructors must not run while Qt's
    // widgets and the handlers that failed are still on the stack.
    std::_Exit(EXIT_FAILURE);
}

}  // namespace

void RunHandler(QWidget* window, const std::function<void()>& handler) noexcept {
    try {
        handler();
    } catch (const std::exception& error) {
        ReportAndEnd(window, QString::fromStdString(error.what()));
    } catch (...) {
        ReportAndEnd(window, QStringLiteral("an unknown error"));
    }
}

}  // namespace tolvane
