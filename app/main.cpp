// Starts the game: -h/--help and -v/--version without a window, a missing display told in one sentence; else Spanish
// texts for Qt's own buttons, the data folder, then the main window.
// SPDX-FileCopyrightText: 2026 Equipo de Cuadrix
// SPDX-License-Identifier: GPL-3.0-or-later
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include <QApplication>
#include <QMessageBox>

#include "app/display.h"
#include "app/files/places.h"
#include "app/form1.h"
#include "app/version.h"

namespace {

const char* const usage = R"(Uso: cuadrix [-h | --help | -v | --version]

Cuadrix es un juego de Sudoku para una persona; todo se hace desde su ventana, que necesita una
pantalla gráfica (X11 o Wayland). Los demás argumentos se dejan a Qt o no se tienen en cuenta.

  -h, --help     muestra esta ayuda y termina
  -v, --version  muestra el nombre y la versión y termina

Los sudokus del juego y las páginas de ayuda se leen de las carpetas game y data junto al
programa o, en una instalación para todo el sistema, de <prefijo>/share/games/cuadrix.
Si se puede escribir en la carpeta game junto al programa, allí se quedan la partida guardada
(game/partida.sdk) y los sudokus que se reparten. Si no, cada jugador tiene los suyos en
$XDG_DATA_HOME/cuadrix (~/.local/share/cuadrix): la partida en partida.sdk y sus sudokus en
game/, copiados de los del juego la primera vez.

Cada vez que se abre, cuadrix reparte sudokus que no ha repartido antes: al terminar una
partida abierta sin argumentos, cuadrix-biblioteca refrescar pasa al final de cada biblioteca
los sudokus repartidos y, antes de que se acaben los que no ha repartido, genera otros.
)";

const char* const noDisplay = "Cuadrix necesita una pantalla gráfica y no la encuentra: ni DISPLAY ni WAYLAND_DISPLAY "
                              "nombran un servidor X11 o Wayland en marcha.\n";

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
