// The cuadrix-biblioteca command line's arguments: options and positional arguments, the level, numbers and folders
// they name, and the usage error a wrong one is.
// SPDX-FileCopyrightText: 2026 Equipo de Cuadrix
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <filesystem>
#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

struct Level;

namespace biblioteca {

// A wrong command line: said with the usage, exit code 2.
struct UsageError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// A command's arguments: the positional ones in order, the options by name ("--carpeta").
struct Arguments {
    std::vector<std::string> positional;
    std::map<std::string, std::string> options;
};

// Splits "--name value" and "--name=value" options from the positional arguments: only the named options are allowed,
// and `count` positional arguments (up to `most`, when more), `what` when one is missing.
Arguments parse(const std::vector<std::string>& args, const std::set<std::string>& allowed, std::size_t count,
                const char* what, std::size_t most = 0);

// The level --dificultad names (f, m or d).
const Level& levelOption(const Arguments& a);

// The option `name` as a whole decimal number in [lo, hi].
unsigned long numberOption(const Arguments& a, const std::string& name, unsigned long lo, unsigned long hi);

// The folder, when it is one.
const std::filesystem::path& requireFolder(const std::filesystem::path& folder);

}  // namespace biblioteca
