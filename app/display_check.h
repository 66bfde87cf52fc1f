#pragma once

#include <QProcessEnvironment>
#include <QString>

#include <optional>

#include "command_line.h"

namespace tolvane {

// Says why no window system can be reached for `request` in `environment`,
// or nothing when one can, or may: an X display or a Wayland compositor on
// this machine must answer on its socket; a remote X display, and platforms
// that need no display (offscreen, vnc, ...), are left to Qt.
std::optional<QString> MissingDisplay(const WindowRequest& request, const QProcessEnvironment& environment);

}  // namespace tolvane
