#pragma once

#include <functional>

class QWidget;

namespace tolvane {

// Runs one of the window's event handlers. An exception escaping a handler is
// a defect: it is reported on standard error and in a message box over
// `window`, and then the program ends at once with a failure status, so it
// never carries on with a half-updated window and no exception reaches Qt.
void RunHandler(QWidget* window, const std::function<void()>& handler) noexcept;

}  // namespace tolvane
