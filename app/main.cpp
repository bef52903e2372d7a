// Starts the game: --version and --help without a window; else Spanish texts for Qt's own buttons, the data folder,
// then the main window.
// SPDX-FileCopyrightText: 2026 Equipo de Cuadrix
// SPDX-License-Identifier: GPL-3.0-or-later
#include <csignal>
#include <cstdio>
#include <cstring>

#include <QApplication>
#include <QMessageBox>

#include "app/files/places.h"
#include "app/form1.h"
#include "app/version.h"

namespace {

const char* const usage = R"(Uso: cuadrix [--help | --version]

Cuadrix es un juego de Sudoku para una persona; todo se hace desde su ventana.

  --help     muestra esta ayuda y termina
  --version  muestra el nombre y la versión y termina

Los sudokus y las páginas de ayuda se leen de las carpetas game y data junto al programa o, en
una instalación para todo el sistema, de <prefijo>/share/games/cuadrix. La partida se guarda en
game/partida.sdk junto al programa cuando se puede escribir allí; si no, en
$XDG_DATA_HOME/cuadrix/partida.sdk (~/.local/share/cuadrix/partida.sdk).
)";

}  // namespace

int main(int argc, char* argv[])
{
    // Any other argument is left to Qt or ignored.
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0 || std::strcmp(argv[i], "--help") == 0) {
            std::fputs(argv[i][2] == 'v' ? (appTitle + " " + versionText() + "\n").c_str() : usage, stdout);
            return 0;
        }
    }
    // A save beyond a file-size limit fails with its cause instead of ending the game.
    std::signal(SIGXFSZ, SIG_IGN);

    QApplication app(argc, argv);
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
