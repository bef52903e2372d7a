// Changing a level's files under the change's marker: the marker itself, appending new puzzles, moving the dealt ones.
// SPDX-FileCopyrightText: 2026 Equipo de Cuadrix
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "app/files/replacing.h"
#include "tools/biblioteca/solver.h"
#include "tools/biblioteca/text_files.h"

namespace biblioteca {

// A change of a level is recorded in a marker beside the library, "facil.sdk.cambio", made before the change reads
// the files: its first line, whether the change starts the level, adds to it or moves its dealt puzzles, and the
// labels it adds. The run holds the marker locked and removes it once both files are written, so a marker no run holds
// proves a change cut short, and what it left.
inline std::string markerFile(const Level& level) { return libraryFile(level) + ".cambio"; }
inline const std::string kMarkerHeader = "cuadrix-biblioteca: cambio en curso";
inline const std::string kNewLevel = "nivel nuevo";
inline const std::string kAddedTo = "sudokus añadidos";
inline const std::string kMoved = "sudokus repartidos pasados al final";

// The lines of a marker, read whole through its locked descriptor, just opened (on some disks closing any other
// descriptor of the file lets the lock go); nothing when it cannot be read or is no marker of this tool. An empty
// marker has no lines.
std::optional<std::vector<std::string>> markerLines(int marker);

// A level with neither file starts afresh: its first change writes both, each beginning with the level's header.
bool startsAfresh(const TextFile& library, const TextFile& solutions);

// Gives each puzzle a label continuing the level's numbering, not equal to any line of either file, and appends label
// and puzzle to the library and label and solution to the solution file. Each file is replaced whole, the solution
// file first, with the change's marker held meanwhile; when the library cannot be written, the solution file is put
// back as it was. Returns an error message, empty on success.
std::string appendPuzzles(const std::filesystem::path& folder, const Level& level, std::vector<NewPuzzle>& puzzles,
                          FileOps& ops = systemFileOps());

// Moves the records a new game deals (the first drawnRecords) to the end of a level's library, so that the next new
// games deal puzzles not dealt before; every label stays, so every saved game still loads. The library is replaced
// whole, with the change's marker held. moved gets the labels moved. Returns an error message, empty on success.
std::string moveDealtToEnd(const std::filesystem::path& folder, const Level& level, std::vector<std::string>& moved);

}  // namespace biblioteca
