// cuadrix-biblioteca: checks the game's puzzle libraries, adds puzzles to them (importar, generar), moves the dealt
// ones to the end (renovar) and keeps a player's libraries fresh (refrescar).
// SPDX-FileCopyrightText: 2026 Equipo de Cuadrix
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/biblioteca/command_line.h"

#include <csignal>
#include <iostream>

#include "app/files/places.h"

int main(int argc, char** argv)
{
    // A write beyond a file-size limit fails with its cause instead of ending the tool half way.
    std::signal(SIGXFSZ, SIG_IGN);
    // Without --carpeta, the libraries this player's game reads from the program's data.
    const std::optional<std::string> folder = executableFolder();
    return biblioteca::run(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr,
                           folder ? dataFolderOf(*folder) : "");
}
