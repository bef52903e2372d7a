// cuadrix-biblioteca: checks the game's puzzle libraries, adds puzzles to them (importar, generar) and moves the dealt
// ones to the end (renovar).
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
    // Without --carpeta, the game folder of the program's data.
    const std::optional<std::string> folder = executableFolder();
    return biblioteca::run(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr,
                           folder ? std::filesystem::path(dataFolderOf(*folder) + "/game") : std::filesystem::path());
}
