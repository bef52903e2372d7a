// The refresh of a player's level, step by step, each step a change of its own.
// SPDX-FileCopyrightText: 2026 Equipo de Cuadrix
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/biblioteca/refreshing.h"

#include <algorithm>
#include <cerrno>
#include <map>

#include "puzzles/library.h"
#include "tools/biblioteca/changes.h"
#include "tools/biblioteca/checking.h"

namespace biblioteca {

namespace fs = std::filesystem;

namespace {

const std::string kDealtHeader = "cuadrix-biblioteca: sudokus repartidos";

// The label lines of a file.
std::vector<std::string> labelsOf(const TextFile& file)
{
    std::vector<std::string> labels;
    for (std::size_t i : labelIndices(file.lines))
        labels.push_back(file.lines[i]);
    return labels;
}

// The records of a shipped level that have a solution, labelled; none when the folder is the one being refreshed.
std::vector<NewPuzzle> shippedRecords(const LevelHold& hold, const fs::path& shipped)
{
    std::error_code ec;
    if (shipped.empty() || fs::equivalent(shipped, hold.folder, ec))
        return {};
    const TextFile lib = readTextFile(shipped / libraryFile(hold.level));
    const TextFile sol = readTextFile(shipped / solutionFile(hold.level));
    std::map<std::string, std::string> solutions;
    for (std::size_t i : labelIndices(sol.lines))
        solutions.emplace(sol.lines[i], sol.lines[i + 1]);
    std::vector<NewPuzzle> records;
    for (std::size_t i : labelIndices(lib.lines))
        if (isDigitLine(lib.lines[i + 1]) && solutions.count(lib.lines[i]))
            records.push_back({lib.lines[i + 1], solutions[lib.lines[i]], lib.lines[i]});
    return records;
}

// The labels the level has dealt, oldest first.
std::vector<std::string> dealtLabels(const LevelHold& hold)
{
    const TextFile dealt = readTextFile(hold.folder / dealtFile(hold.level));
    return dealt.lines.empty() ? std::vector<std::string>() : std::vector(dealt.lines.begin() + 1, dealt.lines.end());
}

// Step 2: the shipped puzzles whose labels the library lacks and never dealt (a new version's puzzles) are added.
std::string addShipped(const LevelHold& hold, const fs::path& shipped, Refreshed& done)
{
    const std::vector<std::string> dealt = dealtLabels(hold), have = labelsOf(readTextFile(hold.library()));
    std::vector<NewPuzzle> missing;
    for (const NewPuzzle& p : shippedRecords(hold, shipped))
        if (std::find(have.begin(), have.end(), p.label) == have.end()
            && std::find(dealt.begin(), dealt.end(), p.label) == dealt.end())
            missing.push_back(p);
    Placing copied = numbered(hold.level);
    copied.keepLabels = true;
    const std::string why = missing.empty() ? "" : appendPuzzles(hold, missing, copied);
    for (const NewPuzzle& p : missing)
        done.copied.push_back(p.label);
    return why;
}

// Step 4: new puzzles at the head when fewer than two starts deal are left never dealt: a run cut short while it
// generates still leaves the next start puzzles never dealt.
std::string generate(const LevelHold& hold, Refreshed& done)
{
    const std::vector<std::string> dealt = dealtLabels(hold), have = labelsOf(readTextFile(hold.library()));
    const auto fresh = std::count_if(have.begin(), have.end(), [&dealt](const std::string& label) {
        return std::find(dealt.begin(), dealt.end(), label) == dealt.end();
    });
    if (fresh >= 2 * drawnRecords)
        return "";
    std::vector<NewPuzzle> made =
        generatePuzzles(hold.level, kMadeAtOnce, kMadeAtOnce, puzzlesInFolder(hold.folder)).puzzles;
    Placing first = playersOwn(hold.level);  // dealt right after the ones left, which the rotation put first
    first.after = static_cast<std::size_t>(fresh);
    const std::string why = appendPuzzles(hold, made, first);
    for (const NewPuzzle& p : made)
        done.made.push_back(p.label);
    return why;
}

// Step 5: the oldest dealt puzzles beyond kMostPuzzles go, except those a saved game names.
std::string letGo(const LevelHold& hold, const std::set<std::string>& kept, Refreshed& done)
{
    const std::vector<std::string> have = labelsOf(readTextFile(hold.library()));
    std::vector<std::string> gone;
    for (const std::string& label : dealtLabels(hold))
        if (have.size() - gone.size() > kMostPuzzles && !kept.count(label)
            && std::find(have.begin(), have.end(), label) != have.end())
            gone.push_back(label);
    done.removed = gone;
    return gone.empty() ? "" : removePuzzles(hold, gone);
}

}  // namespace

std::string startFromShipped(const LevelHold& hold, const fs::path& shipped, Refreshed& done)
{
    if (!startsAfresh(readTextFile(hold.library()), readTextFile(hold.solutions())))
        return "";
    std::vector<NewPuzzle> records = shippedRecords(hold, shipped);
    Placing copied = numbered(hold.level);
    copied.keepLabels = true;
    const std::string why = records.empty() ? "" : appendPuzzles(hold, records, copied);
    for (const NewPuzzle& p : records)
        done.copied.push_back(p.label);
    return why;
}

std::string rotate(const LevelHold& hold, const fs::path& shipped, Refreshed& done)
{
    TextFile lib;
    if (std::string why = readLibrary(hold, lib); !why.empty())
        return why;
    const std::vector<std::string> have = labelsOf(lib);
    std::vector<std::string> known = have, dealt;
    for (const NewPuzzle& p : shippedRecords(hold, shipped))
        known.push_back(p.label);
    const auto head = have.begin() + static_cast<long>(std::min<std::size_t>(drawnRecords, have.size()));
    for (const std::string& label : dealtLabels(hold))
        if (std::find(known.begin(), known.end(), label) != known.end() && std::find(have.begin(), head, label) == head)
            dealt.push_back(label);
    dealt.insert(dealt.end(), have.begin(), head);
    done.dealt.assign(have.begin(), head);
    std::vector<std::string> lines{kDealtHeader};
    lines.insert(lines.end(), dealt.begin(), dealt.end());
    const fs::path dealtPath = hold.folder / dealtFile(hold.level);
    if (const int error = writeFileAtomically(dealtPath.string(), crlf(lines), systemFileOps()))
        return cannotWrite(dealtPath.string(), error);
    return putLast(hold, dealt);
}

std::string refreshLevel(const LevelHold& hold, const fs::path& shipped, const std::set<std::string>& kept,
                         Refreshed& done)
{
    std::string why = startFromShipped(hold, shipped, done);
    if (why.empty())
        why = addShipped(hold, shipped, done);
    if (why.empty())
        why = rotate(hold, shipped, done);
    if (why.empty())
        why = generate(hold, done);
    return why.empty() ? letGo(hold, kept, done) : why;
}

}  // namespace biblioteca
