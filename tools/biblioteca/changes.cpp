// Changing a level's files: the change's marker, appending labelled puzzles, moving the dealt puzzles to the end.
// SPDX-FileCopyrightText: 2026 Equipo de Cuadrix
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/biblioteca/changes.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <regex>
#include <set>

#include "app/files/reading.h"
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

// A change of a level holds its marker from before it reads the files until both are written: startChange makes it,
// empty and locked (-1 and why when it cannot, or another run holds one); markChange writes what the change will do,
// just before its first write; endChange removes it.
int startChange(const fs::path& folder, const Level& level, std::string& why)
{
    const std::string path = (folder / markerFile(level)).string();
    int error;
    const int marker = createLockedFile(path, error, 0600);
    why = !error          ? ""
        : error == EEXIST ? "otro cuadrix-biblioteca está cambiando " + libraryFile(level) + " (" + path + ")"
                          : cannotWrite(path, error);
    return marker;
}

std::string markChange(const fs::path& folder, const Level& level, int marker, const std::vector<std::string>& marked,
                       FileOps& ops)
{
    const std::string bytes = crlf(marked);
    int error = ops.write(marker, bytes.data(), bytes.size());
    if (!error)
        error = ops.sync(marker);
    return error ? cannotWrite((folder / markerFile(level)).string(), error) : "";
}

void endChange(const fs::path& folder, const Level& level, int marker)
{
    ::unlink((folder / markerFile(level)).c_str());
    ::close(marker);
}

// The level's two files as a change finds them, or why nothing may be added to them.
std::string readForChange(const fs::path& folder, const Level& level, TextFile& lib, TextFile& sol)
{
    const fs::path libPath = folder / libraryFile(level), solPath = folder / solutionFile(level);
    lib = readTextFile(libPath);
    sol = readTextFile(solPath);
    if (startsAfresh(lib, sol))
        lib.lines = sol.lines = {level.header};
    else if (lib.error || sol.error)
        return cannotRead((!lib.error ? solPath : libPath).string(), !lib.error ? sol.error : lib.error);
    else if (lib.lines.empty() || sol.lines.empty() || !lib.problems.empty() || !sol.problems.empty())
        return "los ficheros " + libraryFile(level) + " y " + solutionFile(level) + " no están en el formato del juego";
    return "";
}

// Labels the puzzles, numbering on from the highest label "<prefix> NNN" of the library and skipping any line of
// either file, and appends them to both files' lines. Returns the labels.
std::vector<std::string> labelAndAppend(const Level& level, std::vector<NewPuzzle>& puzzles, TextFile& lib,
                                        TextFile& sol)
{
    std::set<std::string> taken(lib.lines.begin(), lib.lines.end());
    taken.insert(sol.lines.begin(), sol.lines.end());
    const std::regex numbered(level.labelPrefix + std::string(" ([0-9]{1,9})"));
    long next = 0;
    std::smatch match;
    for (std::size_t i : labelIndices(lib.lines))
        if (std::regex_match(lib.lines[i], match, numbered))
            next = std::max(next, std::stol(match[1]));
    std::vector<std::string> labels;
    for (NewPuzzle& p : puzzles) {
        char label[64];
        do
            std::snprintf(label, sizeof label, "%s %03ld", level.labelPrefix, ++next);
        while (!taken.insert(label).second);
        labels.push_back(p.label = label);
        lib.lines.insert(lib.lines.end(), {p.label, p.puzzle});
        sol.lines.insert(sol.lines.end(), {p.label, p.solution});
    }
    return labels;
}

// The body of appendPuzzles, with the marker held; undone is false when a write could not be undone. The solution file
// goes first, so the library never names a puzzle without a solution. When the library cannot be written, the
// solution file is put back as it was (or removed, when the change started the level).
std::string appendHeld(const fs::path& folder, const Level& level, std::vector<NewPuzzle>& puzzles, FileOps& ops,
                       int marker, bool& undone)
{
    TextFile lib, sol;
    if (std::string why = readForChange(folder, level, lib, sol); !why.empty())
        return why;
    const bool newLevel = lib.error == ENOENT;
    const std::string before = crlf(sol.lines);
    std::vector<std::string> marked = {kMarkerHeader, newLevel ? kNewLevel : kAddedTo};
    for (const std::string& label : labelAndAppend(level, puzzles, lib, sol))
        marked.push_back(label);
    const fs::path libPath = folder / libraryFile(level), solPath = folder / solutionFile(level);
    std::string why = markChange(folder, level, marker, marked, ops);
    if (why.empty())
        why = write(solPath, sol.lines, ops);
    if (why.empty() && !(why = write(libPath, lib.lines, ops)).empty())
        undone = (newLevel ? ::unlink(solPath.c_str()) : writeFileAtomically(solPath.string(), before, ops)) == 0;
    return why;
}

// Why the library's dealt puzzles cannot be moved; empty when they can.
std::string unmovable(const Level& level, const TextFile& lib, const fs::path& libPath)
{
    if (lib.error)
        return cannotRead(libPath.string(), lib.error);
    if (!lib.problems.empty() || lib.lines.size() % 2 == 0)
        return libraryFile(level) + " no está en el formato del juego";
    if (labelIndices(lib.lines).size() <= drawnRecords)
        return libraryFile(level) + " no tiene más sudokus que los que se reparten";
    return "";
}

}  // namespace

std::optional<std::vector<std::string>> markerLines(int marker)
{
    const auto [bytes, error] = readOpenFile(marker);
    if (error)
        return std::nullopt;
    std::vector<std::string> lines;
    for (std::size_t at = 0, end; at < bytes.size(); at = end + 2) {
        if ((end = bytes.find("\r\n", at)) == std::string::npos)
            return std::nullopt;
        lines.push_back(bytes.substr(at, end - at));
    }
    if (!lines.empty() && lines[0] != kMarkerHeader)
        return std::nullopt;
    return lines;
}

bool startsAfresh(const TextFile& library, const TextFile& solutions)
{
    return library.error == ENOENT && solutions.error == ENOENT;
}

std::string appendPuzzles(const fs::path& folder, const Level& level, std::vector<NewPuzzle>& puzzles, FileOps& ops)
{
    std::string why;
    const int marker = startChange(folder, level, why);
    if (marker < 0)
        return why;
    bool undone = true;
    why = appendHeld(folder, level, puzzles, ops, marker, undone);
    if (undone)
        endChange(folder, level, marker);
    else
        ::close(marker);  // the marker stays, for the next run to undo what is left
    return why;
}

std::string moveDealtToEnd(const fs::path& folder, const Level& level, std::vector<std::string>& moved)
{
    std::string why;
    const int marker = startChange(folder, level, why);
    if (marker < 0)
        return why;
    const fs::path libPath = folder / libraryFile(level);
    const TextFile lib = readTextFile(libPath);
    why = unmovable(level, lib, libPath);
    if (why.empty()) {
        const std::vector<std::size_t> labels = labelIndices(lib.lines);
        const auto dealt = lib.lines.begin() + 1, rest = lib.lines.begin() + static_cast<long>(labels[drawnRecords]);
        std::vector<std::string> lines(lib.lines.begin(), dealt);
        lines.insert(lines.end(), rest, lib.lines.end());
        lines.insert(lines.end(), dealt, rest);
        for (std::size_t k = 0; k < drawnRecords; ++k)
            moved.push_back(lib.lines[labels[k]]);
        why = markChange(folder, level, marker, {kMarkerHeader, kMoved}, systemFileOps());
        if (why.empty())
            why = write(libPath, lines, systemFileOps());
    }
    endChange(folder, level, marker);
    return why;
}

}  // namespace biblioteca
