// The cuadrix-biblioteca command line: parsing the arguments and running a subcommand.
// SPDX-FileCopyrightText: 2026 Equipo de Cuadrix
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <iosfwd>
#include <string>
#include <vector>

namespace biblioteca {

enum ExitCode { kExitOk = 0, kExitProblems = 1, kExitUsage = 2 };

// Runs the subcommand in args (the program name left out). Results go to out, usage and
// errors to err. defaultFolder is used when --carpeta is not given.
int run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
        const std::filesystem::path& defaultFolder);

}  // namespace biblioteca
