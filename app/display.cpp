// Whether the game has a display to start on, told before Qt is asked to open one.
// SPDX-FileCopyrightText: 2026 Equipo de Cuadrix
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/display.h"

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

namespace {

bool isSet(const char* value) { return value != nullptr && *value != '\0'; }

// Whether a server listens on the Unix socket at path (a leading '\0' names an abstract one). The connection is not
// waited for and is closed at once, before anything is sent.
bool listening(const std::string& path)
{
    sockaddr_un address{};
    if (path.size() >= sizeof address.sun_path)
        return false;
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.data(), path.size());
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return true;  // cannot tell: Qt will
    const auto length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + path.size());
    const bool answers = ::connect(fd, reinterpret_cast<const sockaddr*>(&address), length) == 0 || errno == EAGAIN
        || errno == EINPROGRESS;
    ::close(fd);
    return answers;
}

// An X display on this machine (":0", "unix:1.0") is found by its socket, abstract or in /tmp/.X11-unix; one on
// another host is taken on trust, as reaching it could take long.
bool xDisplayUsable(const char* display)
{
    if (!isSet(display))
        return false;
    const std::string_view name = display;
    const std::size_t colon = name.rfind(':');
    if (colon == std::string_view::npos)
        return false;
    if (colon != 0 && name.substr(0, colon) != "unix")
        return true;
    const std::string socket =
        "/tmp/.X11-unix/X" + std::string(name.substr(colon + 1, name.find('.', colon) - colon - 1));
    return listening(std::string(1, '\0') + socket) || listening(socket);
}

// A Wayland display is a socket: the path WAYLAND_DISPLAY gives, or that name in XDG_RUNTIME_DIR.
bool waylandUsable(const char* display)
{
    if (!isSet(display))
        return false;
    if (display[0] == '/')
        return listening(display);
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    return isSet(runtime) && listening(std::string(runtime) + "/" + display);
}

}  // namespace

bool haveDisplay(int argc, char* argv[])
{
    if (isSet(std::getenv("QT_QPA_PLATFORM")))
        return true;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i] + (std::strncmp(argv[i], "--", 2) == 0 ? 1 : 0);
        if (arg == "-platform" || arg == "-display")
            return true;
    }
    return xDisplayUsable(std::getenv("DISPLAY")) || waylandUsable(std::getenv("WAYLAND_DISPLAY"));
}
