// cuadrix-biblioteca: checks the game's puzzle libraries and adds puzzles to them.
#include "tools/biblioteca/command_line.h"

#include <iostream>

int main(int argc, char** argv)
{
    return biblioteca::run(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr,
                           biblioteca::folderBesideProgram());
}
