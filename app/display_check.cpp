#include "display_check.h"

#include <QDir>
#include <QRegularExpression>
#include <QStringList>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>

namespace tolvane {

namespace {

// True when something accepts a connection on the local socket `path`; on
// Linux `abstract` tries the abstract name instead, where X servers listen too.
bool SocketAnswers(const QByteArray& path, bool abstract = false) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const std::size_t offset = abstract ? 1 : 0;
    if (path.isEmpty() || offset + static_cast<std::size_t>(path.size()) >= sizeof address.sun_path)
        return false;
    std::memcpy(address.sun_path + offset, path.constData(), static_cast<std::size_t>(path.size()));
    const auto length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + offset + path.size());
    const int handle = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (handle < 0)
        return false;
    const bool answered = ::connect(handle, reinterpret_cast<const sockaddr*>(&address), length) == 0;
    close(handle);
    return answered;
}

// Why the X display named `display` cannot be reached, or nothing.
std::optional<QString> MissingXDisplay(const QString& display) {
    if (display.isEmpty())
        return QStringLiteral("DISPLAY is not set");
    static const QRegularExpression form(QStringLiteral("^(.*):(\\d+)(\\.\\d+)?$"));
    const QRegularExpressionMatch parts = form.match(display);
    const QString host = parts.captured(1);
    if (parts.hasMatch() && !host.isEmpty() && host != QStringLiteral("unix"))
        return std::nullopt;  // over the network: only connecting would tell
    if (display.startsWith(QLatin1Char('/')))
        return std::nullopt;  // a socket path of its own
    const QByteArray socket = "/tmp/.X11-unix/X" + parts.captured(2).toLatin1();
    if (parts.hasMatch() && (SocketAnswers(socket) || SocketAnswers(socket, true)))
        return std::nullopt;
    return QStringLiteral("X display %1 does not answer").arg(display);
}

// Why no Wayland compositor can be reached, or nothing.
std::optional<QString> MissingWayland(const QProcessEnvironment& environment) {
    if (environment.contains(QStringLiteral("WAYLAND_SOCKET")))
        return std::nullopt;  // handed over already open
    const QString name = environment.value(QStringLiteral("WAYLAND_DISPLAY"), QStringLiteral("wayland-0"));
    const QString folder = environment.value(QStringLiteral("XDG_RUNTIME_DIR"));
    if (QDir::isRelativePath(name) && folder.isEmpty())
        return QStringLiteral("XDG_RUNTIME_DIR is not set");
    if (SocketAnswers(QFile::encodeName(QDir(folder).filePath(name))))
        return std::nullopt;
    return QStringLiteral("no Wayland compositor answers on %1").arg(name);
}

// The platforms Qt tries in turn, as it picks them: -platform, else
// QT_QPA_PLATFORM, else the X display, after Wayland in a Wayland session.
QStringList PlatformsToTry(const WindowRequest& request, const QProcessEnvironment& environment) {
    QString platforms = request.platform;
    if (platforms.isEmpty())
        platforms = environment.value(QStringLiteral("QT_QPA_PLATFORM"));
    if (platforms.isEmpty())
        platforms = environment.value(QStringLiteral("XDG_SESSION_TYPE")) == QStringLiteral("wayland")
            ? QStringLiteral("wayland;xcb")
            : QStringLiteral("xcb");
    return platforms.split(QLatin1Char(';'), Qt::SkipEmptyParts);
}

}  // namespace

std::optional<QString> MissingDisplay(const WindowRequest& request, const QProcessEnvironment& environment) {
    QStringList reasons;
    for (const QString& platform : PlatformsToTry(request, environment)) {
        const QString name = platform.section(QLatin1Char(':'), 0, 0);  // "xcb:option" names xcb
        std::optional<QString> reason;
        if (name == QStringLiteral("xcb"))
            reason = MissingXDisplay(request.display.isEmpty() ? environment.value(QStringLiteral("DISPLAY"))
                                                               : request.display);
        else if (name.startsWith(QStringLiteral("wayland")))
            reason = MissingWayland(environment);
        if (!reason)
            return std::nullopt;
        reasons << *reason;
    }
    if (reasons.isEmpty())
        return std::nullopt;
    return QStringLiteral("no display to open the window on (%1); run it on a desktop, under xvfb-run, "
                          "or with QT_QPA_PLATFORM=offscreen")
        .arg(reasons.join(QStringLiteral(", ")));
}

}  // namespace tolvane
