// Changing a level's files while the level is held: appending labelled puzzles, reordering, removing dealt puzzles.
// SPDX-FileCopyrightText: 2026 Equipo de Cuadrix
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/biblioteca/changes.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <ctime>
#include <map>
#include <regex>
#include <set>

#include "puzzles/library.h"

namespace biblioteca {

namespace fs = std::filesystem;

namespace {

// Replaces a file by its lines; empty, or why it could not.
std::string write(const fs::path& path, const std::vector<std::string>& lines, FileOps& ops)
{
    const int error = writeFileAtomically(path.string(), crlf(lines), ops);
    return error ? cannotWrite(path.string(), error) : "";
}

// The level's two files as a change finds them, or why nothing may be added to them.
std::string readForChange(const LevelHold& hold, TextFile& lib, TextFile& sol)
{
    lib = readTextFile(hold.library());
    sol = readTextFile(hold.solutions());
    if (startsAfresh(lib, sol))
        lib.lines = sol.lines = {hold.level.header};
    else if (lib.error || sol.error)
        return cannotRead((!lib.error ? hold.solutions() : hold.library()).string(),
                          !lib.error ? sol.error : lib.error);
    else if (lib.lines.empty() || sol.lines.empty() || !lib.problems.empty() || !sol.problems.empty())
        return "los ficheros " + libraryFile(hold.level) + " y " + solutionFile(hold.level)
            + " no están en el formato del juego";
    return "";
}

// Labels the puzzles as placing says, numbering on from the highest label "<stem> NNN" of the library and skipping any
// line of either file (a labelled record whose label is taken is left out), and adds them to both files' lines.
// Returns the labels.
std::vector<std::string> labelAndAdd(const Placing& placing, std::vector<NewPuzzle>& puzzles, TextFile& lib,
                                     TextFile& sol)
{
    std::set<std::string> taken(lib.lines.begin(), lib.lines.end());
    taken.insert(sol.lines.begin(), sol.lines.end());
    const std::regex numbered(placing.stem + " ([0-9]{1,9})");
    long next = 0;
    std::smatch match;
    for (std::size_t i : labelIndices(lib.lines))
        if (std::regex_match(lib.lines[i], match, numbered))
            next = std::max(next, std::stol(match[1]));
    std::vector<std::string> labels, added;
    for (NewPuzzle& p : puzzles) {
        if (!placing.keepLabels) {
            char label[256];
            do
                std::snprintf(label, sizeof label, "%s %03ld", placing.stem.c_str(), ++next);
            while (taken.count(label));
            p.label = label;
        }
        if (!taken.insert(p.label).second)
            continue;
        labels.push_back(p.label);
        added.insert(added.end(), {p.label, p.puzzle});
        sol.lines.insert(sol.lines.end(), {p.label, p.solution});
    }
    const std::size_t at = placing.after < lib.lines.size() / 2 ? 1 + 2 * placing.after : lib.lines.size();
    lib.lines.insert(lib.lines.begin() + static_cast<long>(at), added.begin(), added.end());
    return labels;
}

// Writes the library's records in a new order: the label lines given, each with its line after it.
std::string reorder(const LevelHold& hold, const TextFile& lib, const std::vector<std::size_t>& order)
{
    std::vector<std::string> lines{lib.lines[0]};
    for (std::size_t i : order)
        lines.insert(lines.end(), {lib.lines[i], lib.lines[i + 1]});
    std::string why = hold.mark({kMarkerHeader, kMoved}, systemFileOps());
    return why.empty() ? write(hold.library(), lines, systemFileOps()) : why;
}

}  // namespace

bool startsAfresh(const TextFile& library, const TextFile& solutions)
{
    return library.error == ENOENT && solutions.error == ENOENT;
}

Placing numbered(const Level& level) { return {level.labelPrefix}; }

Placing playersOwn(const Level& level)
{
    const std::time_t now = std::time(nullptr);
    std::tm day{};
    char date[16];
    std::strftime(date, sizeof date, "%Y-%m-%d", ::localtime_r(&now, &day));
    return {level.labelPrefix + std::string(" ") + date};
}

std::string appendPuzzles(const LevelHold& hold, std::vector<NewPuzzle>& puzzles, const Placing& placing, FileOps& ops)
{
    TextFile lib, sol;
    if (std::string why = readForChange(hold, lib, sol); !why.empty())
        return why;
    const bool newLevel = lib.error == ENOENT;
    const std::string before = crlf(sol.lines);
    std::vector<std::string> marked = {kMarkerHeader, newLevel ? kNewLevel : kAddedTo};
    for (const std::string& label : labelAndAdd(placing, puzzles, lib, sol))
        marked.push_back(label);
    std::string why = hold.mark(marked, ops);
    if (why.empty())
        why = write(hold.solutions(), sol.lines, ops);
    // The solution file put back, or removed in a level just started; when that fails too, the marker stays.
    if (why.empty() && !(why = write(hold.library(), lib.lines, ops)).empty()
        && (newLevel ? ::unlink(hold.solutions().c_str()) : writeFileAtomically(hold.solutions().string(), before, ops))
            != 0)
        hold.keep();
    return why;
}

std::string readLibrary(const LevelHold& hold, TextFile& lib)
{
    lib = readTextFile(hold.library());
    if (lib.error)
        return cannotRead(hold.library().string(), lib.error);
    if (!lib.problems.empty() || lib.lines.size() % 2 == 0)
        return libraryFile(hold.level) + " no está en el formato del juego";
    return "";
}

std::string putLast(const LevelHold& hold, const std::vector<std::string>& last)
{
    TextFile lib;
    if (std::string why = readLibrary(hold, lib); !why.empty())
        return why;
    std::map<std::string, std::size_t> where;
    for (std::size_t i : labelIndices(lib.lines))
        where.emplace(lib.lines[i], i);
    std::vector<std::size_t> order, after;
    for (const std::string& label : last)
        if (where.count(label) && std::find(after.begin(), after.end(), where[label]) == after.end())
            after.push_back(where[label]);
    for (std::size_t i : labelIndices(lib.lines))
        if (std::find(after.begin(), after.end(), i) == after.end())
            order.push_back(i);
    order.insert(order.end(), after.begin(), after.end());
    return reorder(hold, lib, order);
}

std::string removePuzzles(const LevelHold& hold, const std::vector<std::string>& labels)
{
    TextFile lib, sol;
    std::string why = readLibrary(hold, lib);
    sol = readTextFile(hold.solutions());
    if (why.empty() && (sol.error || !sol.problems.empty() || sol.lines.size() % 2 == 0))
        why = sol.error ? cannotRead(hold.solutions().string(), sol.error)
                        : solutionFile(hold.level) + " no está en el formato del juego";
    const std::set<std::string> gone(labels.begin(), labels.end());
    const auto without = [&gone](const TextFile& file) {
        std::vector<std::string> left{file.lines[0]};
        for (std::size_t i : labelIndices(file.lines))
            if (!gone.count(file.lines[i]))
                left.insert(left.end(), {file.lines[i], file.lines[i + 1]});
        return left;
    };
    std::vector<std::string> marked = {kMarkerHeader, kRemoved};
    marked.insert(marked.end(), labels.begin(), labels.end());
    if (why.empty())
        why = hold.mark(marked, systemFileOps());
    if (why.empty())
        why = write(hold.library(), without(lib), systemFileOps());
    return why.empty() ? write(hold.solutions(), without(sol), systemFileOps()) : why;
}

}  // namespace biblioteca
