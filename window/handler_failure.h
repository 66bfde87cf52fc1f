#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace tolvane {

// What the window does when an exception escapes one of its event handlers,
// given the window and the error's text.
using HandlerFailure = std::function<void(QWidget* window, const QString& what)>;

// The program's own answer: an exception escaping a handler is a defect. It
// is reported on standard error and in a message box over `window`, and then
// the program ends at once with a failure status, so it never carries on
// with a half-updated window.
[[noreturn]] void ReportAndEnd(QWidget* window, const QString& what);

// Runs one of the window's event handlers; no exception reaches Qt. If the
// handler throws, `failed` is told and the rest of the handler is abandoned.
void RunHandler(QWidget* window, const std::function<void()>& handler, const HandlerFailure& failed) noexcept;

}  // namespace tolvane
