// The folder a cuadrix-biblioteca command works on: the one --carpeta names or this player's own, refused where the
// package's files are or where a player's folder is not the player's; and a level held in it.
// SPDX-FileCopyrightText: 2026 Equipo de Cuadrix
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <iosfwd>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "tools/biblioteca/arguments.h"
#include "tools/biblioteca/holding.h"
#include "tools/biblioteca/refreshing.h"

namespace biblioteca {

// A command's reason to stop that is no usage error: said as it is, exit code 1.
struct Refusal : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Where a command works: the game folder given or this player's, the shipped one of this install, and the saved games
// whose puzzles stay.
struct Where {
    std::filesystem::path game, shipped;
    bool own = false;                               // the player's own folder, made from the shipped one when needed
    std::vector<std::filesystem::path> savedGames;  // partida.sdk files
};

// Whether a folder is, or is in, the shared data of a system-wide install, which only the package changes.
bool inSharedData(const std::filesystem::path& folder);

// The folder a command works on: --carpeta's or this player's. A change is refused in the shared data, and in a
// player's own folder that is not the player's.
Where workFolder(const Arguments& a, const std::string& dataFolder, bool changes);

// Holds the level, once it is made from the shipped one in the player's own folder (what was copied added to done);
// returns why it could not be, or "".
std::string hold(const Where& where, const Level& level, std::ostream& out, std::unique_ptr<LevelHold>& held,
                 Refreshed* done = nullptr);

}  // namespace biblioteca
