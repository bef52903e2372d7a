// Starts the game: -h/--help and -v/--version without a window, a missing display told in one sentence; else Spanish
// texts for Qt's own buttons, the data folder, then the main window.
// SPDX-FileCopyrightText: 2026 Equipo de Cuadrix
// SPDX-License-Identifier: GPL-3.0-or-later
#include <cerrno>
#include <csignal>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QApplication>
#include <QMessageBox>

#include "app/files/places.h"
#include "app/form1.h"
#include "app/version.h"

namespace {

const char* const usage = R"(Uso: cuadrix [-h | --help | -v | --version]

Cuadrix es un juego de Sudoku para una persona; todo se hace desde su ventana, que necesita una
pantalla gráfica (X11 o Wayland). Los demás argumentos se dejan a Qt o no se tienen en cuenta.

  -h, --help     muestra esta ayuda y termina
  -v, --version  muestra el nombre y la versión y termina

Los sudokus y las páginas de ayuda se leen de las carpetas game y data junto al programa o, en
una instalación para todo el sistema, de <prefijo>/share/games/cuadrix. La partida se guarda en
game/partida.sdk junto al programa cuando se puede escribir allí; si no, en
$XDG_DATA_HOME/cuadrix/partida.sdk (~/.local/share/cuadrix/partida.sdk).
)";

const char* const noDisplay = "Cuadrix necesita una pantalla gráfica y no la encuentra: ni DISPLAY ni WAYLAND_DISPLAY "
                              "nombran un servidor X11 o Wayland en marcha.\n";

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

// Whether Qt has a window system to start with: one it is told (QT_QPA_PLATFORM, -platform, -display) or a display
// that answers.
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

QtMessageHandler qtHandler = nullptr;

// Qt ends the program when no window system starts (a display on another host that does not answer, say): the same
// sentence and status then, instead of an abort.
void noWindowSystem(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type != QtFatalMsg)
        return qtHandler(type, context, message);
    std::fputs(noDisplay, stderr);
    std::_Exit(1);
}

}  // namespace

int main(int argc, char* argv[])
{
    // Any other argument is left to Qt or ignored.
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "-v" || arg == "--version") {
            std::fputs((appTitle + " " + versionText() + "\n").c_str(), stdout);
            return 0;
        }
        if (arg == "-h" || arg == "--help") {
            std::fputs(usage, stdout);
            return 0;
        }
    }
    if (!haveDisplay(argc, argv)) {
        std::fputs(noDisplay, stderr);
        return 1;
    }
    // A save beyond a file-size limit fails with its cause instead of ending the game.
    std::signal(SIGXFSZ, SIG_IGN);

    qtHandler = qInstallMessageHandler(noWindowSystem);
    QApplication app(argc, argv);
    qInstallMessageHandler(qtHandler);
    useSpanishButtons();

    const std::optional<std::string> folder = executableFolder();
    if (!folder) {
        QMessageBox::critical(nullptr, "Cuadrix", "No se encuentra la carpeta del programa: Cuadrix no puede empezar.");
        return 1;
    }
    Form1 form(dataFolderOf(*folder));
    form.start();
    return QApplication::exec();
}
