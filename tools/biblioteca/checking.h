// Checking a game folder's libraries and solution files for everything the game relies on.
// SPDX-FileCopyrightText: 2026 Equipo de Cuadrix
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "tools/biblioteca/text_files.h"

namespace biblioteca {

struct Report {
    std::vector<Problem> problems;
    int files = 0;    // files that could be read
    int puzzles = 0;  // label and puzzle line pairs in the libraries
};

// One library and its solution file, everything the game relies on.
Report checkLevel(const std::filesystem::path& folder, const Level& level);
// The three levels, plus what only shows across them: too few puzzles for a new game's draw and a puzzle that appears
// twice.
Report checkFolder(const std::filesystem::path& folder);

// Every puzzle (its first 81 characters) in the three libraries, with "file, «label»" of where it first appears. Each
// later appearance is added to repeats, when given.
std::map<std::string, std::string> puzzlesInFolder(const std::filesystem::path& folder,
                                                   std::vector<Problem>* repeats = nullptr);

}  // namespace biblioteca
