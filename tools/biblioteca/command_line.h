// The cuadrix-biblioteca command line: parsing the arguments and running a subcommand.
// SPDX-FileCopyrightText: 2026 Equipo de Cuadrix
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace biblioteca {

enum ExitCode { kExitOk = 0, kExitProblems = 1, kExitUsage = 2 };

// Runs the subcommand in args (the program name left out). Results go to out, usage and errors to err. dataFolder is
// the folder of this install's game/ and data/ ("" when it cannot be known): without --carpeta the tool works on the
// libraries this player's game reads there (playerFolder), made from its game/ the first time.
int run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, const std::string& dataFolder);

}  // namespace biblioteca
