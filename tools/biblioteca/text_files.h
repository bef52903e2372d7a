// The tool's view of a text file: its lines as the game reads them, what is wrong with their ends, and the problems.
// SPDX-FileCopyrightText: 2026 Equipo de Cuadrix
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "app/files/places.h"

namespace biblioteca {

// The file names of a level: "facil.sdk" and "sol_fac.sdk".
inline std::string libraryFile(const Level& level) { return fileName(level.libraryNom); }
inline std::string solutionFile(const Level& level) { return fileName(level.solutionNom); }
// A label or a line quoted in a message: «Facil 001».
inline std::string guillemets(const std::string& s) { return "«" + s + "»"; }

// One thing wrong, at a line of a file; line 0 stands for the file as a whole.
struct Problem {
    std::string file;
    int line = 0;
    std::string text;
};
// "FILE:LINE: text"
inline std::string format(const Problem& p) { return p.file + ":" + std::to_string(p.line) + ": " + p.text; }

// A file read line by line as the game reads it, with what is wrong with its line ends, why it could not be read to
// its end, or that it is empty.
struct TextFile {
    int error = 0;                   // 0 when read to the end, else as LineReader::error()
    std::vector<std::string> lines;  // without their line ends
    std::vector<Problem> problems;
};
TextFile readTextFile(const std::filesystem::path& path);

// The lines, each ended by CR LF, as the game's files are written.
std::string crlf(const std::vector<std::string>& lines);

}  // namespace biblioteca
