// The repair of an interrupted change: read the marker, find the solutions it added, see what it proves, undo.
// SPDX-FileCopyrightText: 2026 Equipo de Cuadrix
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/biblioteca/repair.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <optional>
#include <set>

#include "app/files/replacing.h"
#include "puzzles/library.h"
#include "tools/biblioteca/holding.h"

namespace biblioteca {

namespace fs = std::filesystem;

namespace {

// What a marker no run holds records, and the level's files as the repair finds them.
struct Interrupted {
    fs::path libPath, solPath;
    std::string markerPath;
    bool newLevel = false;            // the change started the level
    bool removal = false;             // the change took puzzles out of the level
    std::vector<std::string> labels;  // the labels it added, in order
    TextFile lib, sol;
};

// Step 1: the marker, held. Nothing when there is none (no change was cut short) or it blocks the level.
std::optional<int> holdMarker(const std::string& markerPath, const Level& level, Repair& repair)
{
    int error;
    const int marker = lockAbandoned(markerPath, error);
    repair.busy = error == EWOULDBLOCK;
    if (marker < 0 && error != ENOENT && !repair.busy)
        repair.blocked = "no se puede comprobar el cambio que anota " + markerPath + ": " + fileErrorText(error)
            + "; bórrelo si ningún cuadrix-biblioteca está cambiando " + libraryFile(level);
    return marker < 0 ? std::nullopt : std::optional(marker);
}

// Step 2: what the marker records, and the files; false when it is no marker of this tool.
bool readInterrupted(int marker, Interrupted& change)
{
    const std::optional<std::vector<std::string>> mark = markerLines(marker);
    if (!mark)
        return false;
    change.newLevel = mark->size() > 1 && (*mark)[1] == kNewLevel;
    change.removal = mark->size() > 1 && (*mark)[1] == kRemoved;
    change.labels.assign(mark->size() > 2 ? mark->begin() + 2 : mark->end(), mark->end());
    change.lib = readTextFile(change.libPath);
    change.sol = readTextFile(change.solPath);
    return true;
}

// Step 3: the solution file without the change's solutions: the records an addition put at its end, or those of the
// puzzles a removal took out of the library; nothing when the file does not hold them so.
std::optional<std::vector<std::string>> solutionsLeft(const Interrupted& change)
{
    const std::vector<std::string>& lines = change.sol.lines;
    if (!change.sol.problems.empty() || lines.size() % 2 == 0)
        return std::nullopt;
    if (change.removal) {
        const std::set<std::string> gone(change.labels.begin(), change.labels.end());
        std::vector<std::string> left{lines[0]};
        for (std::size_t i : labelIndices(lines))
            if (!gone.count(lines[i]))
                left.insert(left.end(), {lines[i], lines[i + 1]});
        return left;
    }
    const std::size_t kept = lines.size() - std::min(lines.size(), 2 * change.labels.size());
    bool added = true;
    for (std::size_t k = 0; added && k < change.labels.size(); ++k)
        added = lines[kept + 2 * k] == change.labels[k];
    return added ? std::optional(std::vector<std::string>(lines.begin(), lines.begin() + long(kept))) : std::nullopt;
}

// How many of the change's labels the lines hold (as labels of the library, or as any line of the solution file).
std::size_t countIn(const Interrupted& change, const std::set<std::string>& lines)
{
    return static_cast<std::size_t>(std::count_if(change.labels.begin(), change.labels.end(),
                                                  [&lines](const std::string& l) { return lines.count(l) > 0; }));
}

// Step 4: takes the change's solutions out of the solution file, leaving the lines left (or removes the file, when the
// change started the level), and says so.
void undo(const Interrupted& change, const std::vector<std::string>& left, Repair& repair)
{
    const int error = change.newLevel ? (::unlink(change.solPath.c_str()) == 0 ? 0 : errno)
                                      : writeFileAtomically(change.solPath.string(), crlf(left), systemFileOps());
    std::string quoted;
    for (const std::string& label : change.labels)
        quoted += (quoted.empty() ? "" : ", ") + guillemets(label);
    const std::string what = " de " + change.solPath.string() + " las soluciones sin sudoku " + quoted;
    repair.done.push_back(error ? "no se pueden quitar" + what + ": " + writeErrorText(error, change.solPath.string())
                                : "quitadas" + what + ", que dejó un cambio interrumpido");
    if (error)
        repair.blocked = repair.done.back();
}

// Steps 3 and 4: what the files show of the change, against what its marker records, and the undo it proves: an
// addition cut short before its library is undone, a removal cut short after its library is finished.
void settle(const Interrupted& change, Repair& repair)
{
    // A file that cannot be read, or the missing library of a level that had one, tells nothing of what a change did.
    const auto unreadable = [&change](const TextFile& f) { return f.error && !(change.newLevel && f.error == ENOENT); };
    const bool solUnread = unreadable(change.sol);
    std::set<std::string> inLibrary;
    for (std::size_t i : labelIndices(change.lib.lines))
        inLibrary.insert(change.lib.lines[i]);
    const std::set<std::string> inSolutions(change.sol.lines.begin(), change.sol.lines.end());
    const std::optional<std::vector<std::string>> left = solutionsLeft(change);
    const std::string notUndone = "no se puede deshacer el cambio interrumpido que anota " + change.markerPath + ": ";
    if (!change.labels.empty() && (solUnread || unreadable(change.lib)))
        repair.blocked = notUndone
            + cannotRead((solUnread ? change.solPath : change.libPath).string(),
                         (solUnread ? change.sol : change.lib).error);
    else if (change.labels.empty() || countIn(change, inLibrary) == change.labels.size()
             || countIn(change, inSolutions) == 0)
        return;  // cut short before its first write, or after its last: nothing of the files to undo
    else if (countIn(change, inLibrary) == 0 && left
             && (!change.newLevel || (left->size() == 1 && change.lib.error == ENOENT)))
        undo(change, *left, repair);
    else
        repair.blocked = notUndone + "los ficheros han cambiado después; revíselos y borre ese fichero";
}

}  // namespace

Repair repairInterruptedChange(const fs::path& folder, const Level& level)
{
    Repair repair;
    Interrupted change;
    change.libPath = folder / libraryFile(level);
    change.solPath = folder / solutionFile(level);
    change.markerPath = (folder / markerFile(level)).string();
    const std::optional<int> marker = holdMarker(change.markerPath, level, repair);
    if (!repair.blocked.empty() || repair.busy)
        return repair;
    for (const fs::path& path : {change.solPath, change.libPath})
        for (const std::string& leftover : removeAbandonedTemporaries(path.string()))
            repair.done.push_back("borrado " + leftover + ", que dejó un cambio interrumpido");
    if (!marker)
        return repair;  // no change was cut short
    if (!readInterrupted(*marker, change))
        repair.blocked = change.markerPath + " no es un fichero de cuadrix-biblioteca; bórrelo si no es de nadie";
    else
        settle(change, repair);
    if (repair.blocked.empty())
        ::unlink(change.markerPath.c_str());
    ::close(*marker);
    return repair;
}

}  // namespace biblioteca
