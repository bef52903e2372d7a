// Holding a level for one run: the change marker, made and locked once another run that holds the level is done and
// what a run cut short left is undone.
// SPDX-FileCopyrightText: 2026 Equipo de Cuadrix
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <filesystem>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "app/files/replacing.h"
#include "tools/biblioteca/text_files.h"

namespace biblioteca {

// Every run that reads or changes a level holds its marker beside the library, "facil.sdk.cambio", locked while it
// works; before its first write a change records in it what it does: its first line, whether it starts the level,
// adds to it, moves its records or removes some, and the labels it adds or removes. The run removes the marker when
// it is done, so a marker no run holds proves a change cut short, and what it left.
inline std::string markerFile(const Level& level) { return libraryFile(level) + ".cambio"; }
// The labels a level has dealt to the player, oldest first, beside the library: "facil.sdk.repartidos".
inline std::string dealtFile(const Level& level) { return libraryFile(level) + ".repartidos"; }
inline const std::string kMarkerHeader = "cuadrix-biblioteca: cambio en curso";
inline const std::string kNewLevel = "nivel nuevo";
inline const std::string kAddedTo = "sudokus añadidos";
inline const std::string kMoved = "sudokus repartidos pasados al final";
inline const std::string kRemoved = "sudokus repartidos quitados";

// The lines of a marker, read whole through its locked descriptor, just opened (on some disks closing any other
// descriptor of the file lets the lock go); nothing when it cannot be read or is no marker of this tool. An empty
// marker has no lines.
std::optional<std::vector<std::string>> markerLines(int marker);

// How long a run waits for another that holds the level it needs before it gives up.
extern std::chrono::milliseconds waitLimit;

class LevelHold {
public:
    // Waits, with a growing pause, while another run holds the level; undoes what a marker no run holds proves (said
    // gets a sentence for each thing undone), then makes and locks the marker. In the player's own folder (own), the
    // level's files must be the player's.
    LevelHold(const std::filesystem::path& folder, const Level& level, std::ostream& said, bool own = false);
    ~LevelHold();
    LevelHold(const LevelHold&) = delete;
    LevelHold& operator=(const LevelHold&) = delete;

    explicit operator bool() const { return marker_ >= 0; }
    const std::string& why() const { return why_; }  // why the level is not held
    bool unwritable() const { return unwritable_; }  // not held because the folder cannot be written
    const std::filesystem::path folder;
    const Level& level;
    std::filesystem::path library() const { return folder / libraryFile(level); }
    std::filesystem::path solutions() const { return folder / solutionFile(level); }

    // Records what the change will do, just before its first write. Returns why it could not, or "".
    std::string mark(const std::vector<std::string>& lines, FileOps& ops) const;
    // Leaves the marker for the next run to undo what this one could not.
    void keep() const { kept_ = true; }

private:
    int marker_ = -1;
    mutable bool kept_ = false;
    bool unwritable_ = false;
    std::string why_;
};

}  // namespace biblioteca
