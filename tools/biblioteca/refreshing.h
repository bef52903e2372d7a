// Keeping a player's libraries fresh: made from the shipped ones, new shipped puzzles added, the dealt puzzles moved
// to the end and remembered, new ones generated when every puzzle has been dealt, the oldest dealt ones let go.
// SPDX-FileCopyrightText: 2026 Equipo de Cuadrix
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "tools/biblioteca/holding.h"

namespace biblioteca {

// A level's library holds at most this many puzzles once its dealt ones may go; new puzzles are made this many at
// a time.
constexpr std::size_t kMostPuzzles = 300;
constexpr std::size_t kMadeAtOnce = 10;

// What a refresh of a level did, label by label.
struct Refreshed {
    std::vector<std::string> copied, dealt, made, removed;
};

// Step 1: a level with neither file is made from the shipped files (shipped, a game folder), each puzzle with its
// label and solution. Returns an error message, empty when done or when there was nothing to do.
std::string startFromShipped(const LevelHold& hold, const std::filesystem::path& shipped, Refreshed& done);

// Step 3, and the command renovar: the records at the head of the library, which new games deal, are remembered as
// dealt (dealtFile, oldest first) and the library is reordered: the puzzles never dealt first, in their order, then
// the dealt ones, the ones just dealt last. Labels that are in neither the library nor the shipped one are forgotten.
std::string rotate(const LevelHold& hold, const std::filesystem::path& shipped, Refreshed& done);

// Every step for a level: made from the shipped files when missing, shipped puzzles it lacks (and never dealt) added,
// rotated, kMadeAtOnce puzzles generated at its head (after those never dealt) when fewer than two starts deal were
// never dealt, and the oldest dealt puzzles beyond kMostPuzzles removed, except the labels of saved games (kept).
// Each step is a change of its own under the held marker. Returns an error message, empty on success.
std::string refreshLevel(const LevelHold& hold, const std::filesystem::path& shipped, const std::set<std::string>& kept,
                         Refreshed& done);

}  // namespace biblioteca
