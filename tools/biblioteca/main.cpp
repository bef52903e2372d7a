// cuadrix-biblioteca: checks the game's puzzle libraries and adds puzzles to them.
#include "tools/biblioteca/command_line.h"

#include <iostream>

#include "app/data_files.h"

int main(int argc, char** argv)
{
    // Without --carpeta, the "game" folder beside the program.
    const std::optional<std::string> folder = executableFolder();
    return biblioteca::run(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr,
                           folder ? std::filesystem::path(*folder + "/game") : std::filesystem::path());
}
