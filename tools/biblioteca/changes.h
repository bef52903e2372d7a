// Changing a level's files while the level is held: adding records, moving them, taking dealt ones out.
// SPDX-FileCopyrightText: 2026 Equipo de Cuadrix
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "app/files/replacing.h"
#include "tools/biblioteca/holding.h"
#include "tools/biblioteca/solver.h"
#include "tools/biblioteca/text_files.h"

namespace biblioteca {

// A level with neither file starts afresh: its first change writes both, each beginning with the level's header.
bool startsAfresh(const TextFile& library, const TextFile& solutions);

// How added records are labelled and where they go in the library.
struct Placing {
    std::string stem;              // numbered labels "<stem> 001", "<stem> 002", ... continuing the highest of the stem
    bool keepLabels = false;       // the records come labelled (copied from the shipped library)
    std::size_t after = SIZE_MAX;  // put after this many records of the library (at its end when fewer)
};
// The level's own numbering, "Facil 001", as the shipped libraries have it.
Placing numbered(const Level& level);
// Puzzles made for one player: "Facil 2026-12-05 001", with the day, which no shipped label can be.
Placing playersOwn(const Level& level);

// Labels the puzzles as placing says (none equal to any line of either file) and adds label and puzzle to the
// library and label and solution at the end of the solution file. Each file is replaced whole, the solution file
// first, recorded in the held marker; when the library cannot be written, the solution file is put back as it was.
// Returns an error message, empty on success.
std::string appendPuzzles(const LevelHold& hold, std::vector<NewPuzzle>& puzzles, const Placing& placing,
                          FileOps& ops = systemFileOps());

// The library read for a reorder or a removal; why it cannot be changed, or "".
std::string readLibrary(const LevelHold& hold, TextFile& lib);
// Writes the library with the records of the labels last, in that order, after the others in their order; every label
// stays, so every saved game still loads. Returns an error message, empty on success.
std::string putLast(const LevelHold& hold, const std::vector<std::string>& last);

// Takes the records of the labels out of the library, then their solutions out of the solution file, recorded in the
// held marker. Returns an error message, empty on success.
std::string removePuzzles(const LevelHold& hold, const std::vector<std::string>& labels);

}  // namespace biblioteca
