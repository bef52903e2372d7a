// Undoing what a change of a level cut short left behind, as far as its marker proves it.
// SPDX-FileCopyrightText: 2026 Equipo de Cuadrix
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "app/files/places.h"

namespace biblioteca {

// What a change of a level cut short left, undone as far as its marker proves it: the temporary files its run
// abandoned, the solutions an addition put at the end of the solution file when the library never got them, and the
// solutions of the puzzles a removal took out of the library. Without a marker nothing is undone. blocked says why
// the level must not be changed now: the marker is not one of this tool's or cannot be read, a file cannot be read, or
// the files no longer match what the marker records; busy, that another run holds the level.
struct Repair {
    std::vector<std::string> done;  // one sentence each
    std::string blocked;
    bool busy = false;
};
Repair repairInterruptedChange(const std::filesystem::path& folder, const Level& level);

}  // namespace biblioteca
