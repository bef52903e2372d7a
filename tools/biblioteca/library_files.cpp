// The puzzle libraries and solution files in a game folder.
// SPDX-FileCopyrightText: 2026 Equipo de Cuadrix
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/biblioteca/library_files.h"

#include <qqwing.hpp>
#include <unistd.h>

#include <algorithm>
#include <optional>
#include <cerrno>
#include <cstdio>
#include <regex>
#include <set>
#include <utility>

namespace biblioteca {

namespace fs = std::filesystem;

namespace {

// Adds a problem at the line of the given index, counting from 0.
void add(std::vector<Problem>& problems, const std::string& file, std::size_t index, const std::string& text)
{
    problems.push_back({file, static_cast<int>(index + 1), text});
}

std::string crlf(const std::vector<std::string>& lines)
{
    std::string bytes;
    for (const std::string& line : lines)
        bytes += line + "\r\n";
    return bytes;
}

// Replaces a file by its lines; empty, or why it could not.
std::string write(const fs::path& path, const std::vector<std::string>& lines, FileOps& ops)
{
    const int error = writeFileAtomically(path.string(), crlf(lines), ops);
    return error ? "no se puede escribir " + path.string() + ": " + writeErrorText(error, path.string()) : "";
}

void endChange(const fs::path& folder, const Level& level, int marker)
{
    ::unlink((folder / markerFile(level)).c_str());
    ::close(marker);
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
                          : "no se puede escribir " + path + ": " + writeErrorText(error, path);
    return marker;
}

std::string markChange(const fs::path& folder, const Level& level, int marker, const std::vector<std::string>& marked,
                       FileOps& ops)
{
    const std::string path = (folder / markerFile(level)).string(), bytes = crlf(marked);
    int error = ops.write(marker, bytes.data(), bytes.size());
    if (!error)
        error = ops.sync(marker);
    return error ? "no se puede escribir " + path + ": " + writeErrorText(error, path) : "";
}

// The lines of a marker, read whole through its locked descriptor, just opened (on some disks closing any other
// descriptor of the file lets the lock go); nothing when it cannot be read or is no marker of this tool. An empty
// marker has no lines.
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

// The body of appendPuzzles, with the marker held; undone is false when a write could not be undone.
std::string appendHeld(const fs::path& folder, const Level& level, std::vector<NewPuzzle>& puzzles, FileOps& ops,
                       int marker, bool& undone)
{
    const fs::path libPath = folder / libraryFile(level), solPath = folder / solutionFile(level);
    TextFile lib = readTextFile(libPath), sol = readTextFile(solPath);
    if (lib.error == ENOENT && sol.error == ENOENT)
        lib.lines = sol.lines = {level.header};
    else if (!!lib.error || !!sol.error)
        return "no se puede leer " + (!lib.error ? solPath : libPath).string() + ": "
            + fileErrorText(!lib.error ? sol.error : lib.error);
    else if (lib.lines.empty() || sol.lines.empty() || !lib.problems.empty() || !sol.problems.empty())
        return "los ficheros " + libraryFile(level) + " y " + solutionFile(level) + " no están en el formato del juego";

    std::set<std::string> taken(lib.lines.begin(), lib.lines.end());
    taken.insert(sol.lines.begin(), sol.lines.end());
    // Numbering goes on from the highest label "<prefix> NNN" in the library.
    const std::regex numbered(level.labelPrefix + std::string(" ([0-9]{1,9})"));
    long next = 0;
    std::smatch match;
    for (std::size_t i : labelIndices(lib.lines))
        if (std::regex_match(lib.lines[i], match, numbered))
            next = std::max(next, std::stol(match[1]));
    const bool newLevel = sol.lines.size() == 1 && lib.lines.size() == 1 && lib.error == ENOENT;
    const std::string before = crlf(sol.lines);
    std::vector<std::string> marked = {kMarkerHeader, newLevel ? kNewLevel : kAddedTo};
    for (NewPuzzle& p : puzzles) {
        char label[64];
        do
            std::snprintf(label, sizeof label, "%s %03ld", level.labelPrefix, ++next);
        while (!taken.insert(label).second);
        p.label = label;
        marked.push_back(p.label);
        lib.lines.insert(lib.lines.end(), {p.label, p.puzzle});
        sol.lines.insert(sol.lines.end(), {p.label, p.solution});
    }
    // The solution file goes first, so the library never names a puzzle without a solution. When the library cannot
    // be written, the solution file is put back as it was (or removed, when the change started the level).
    std::string why = markChange(folder, level, marker, marked, ops);
    if (why.empty())
        why = write(solPath, sol.lines, ops);
    if (why.empty() && !(why = write(libPath, lib.lines, ops)).empty())
        undone = (newLevel ? ::unlink(solPath.c_str()) : writeFileAtomically(solPath.string(), before, ops)) == 0;
    return why;
}

}  // namespace

TextFile readTextFile(const fs::path& path)
{
    TextFile out;
    LineReader reader(path.string());
    // Each kind of fault is reported once, at its first line, with how many lines share it.
    int noCr = 0, strayCr = 0, firstNoCr = 0, firstStrayCr = 0;
    while (auto line = reader.next()) {
        const int number = static_cast<int>(out.lines.size()) + 1;
        if (number == 1 && (line->rfind("\xFF\xFE", 0) == 0 || line->rfind("\xFE\xFF", 0) == 0)) {
            out.error = kTwoByteText;
            break;
        }
        if (number == 1 && line->rfind("\xEF\xBB\xBF", 0) == 0) {
            line->erase(0, 3);
            out.problems.push_back({path.string(), 1,
                                    "empieza por la marca BOM de UTF-8, que el juego tomaría por "
                                    "parte de la línea"});
        }
        if (reader.lastEnd() == LineReader::End::None)
            out.problems.push_back({path.string(), number, "la última línea no termina en CR LF"});
        else if (reader.lastEnd() == LineReader::End::Lf && noCr++ == 0)
            firstNoCr = number;
        if (line->find('\r') != std::string::npos && strayCr++ == 0)
            firstStrayCr = number;
        out.lines.push_back(std::move(*line));
    }
    if (!out.error)
        out.error = reader.error();
    else
        out = {out.error, {}, {}};
    if (!out.error && out.lines.empty())
        out.problems.push_back({path.string(), 0, "el fichero está vacío; falta al menos la cabecera"});
    if (out.error)
        out.problems.push_back({path.string(),
                                reader.isOpen() && out.error != kTwoByteText ? int(out.lines.size()) + 1 : 0,
                                fileErrorText(out.error)});
    const auto more = [](int n) {
        return n > 1 ? " (y " + std::to_string(n - 1) + (n == 2 ? " línea más)" : " líneas más)") : std::string();
    };
    if (noCr > 0 && !out.error)
        out.problems.push_back({path.string(), firstNoCr, "la línea termina en LF sin CR" + more(noCr)});
    if (strayCr > 0 && !out.error)
        out.problems.push_back({path.string(), firstStrayCr, "la línea lleva un CR suelto" + more(strayCr)});
    std::sort(out.problems.begin(), out.problems.end(),
              [](const Problem& a, const Problem& b) { return a.line < b.line; });
    return out;
}

// ---------------------------------------------------------------------------
// Puzzles

namespace {

// Puts the puzzle on the board; false when it is not 81 digits or its givens clash.
bool load(qqwing::SudokuBoard& board, const std::string& puzzle)
{
    int cells[kCells];
    if (!isDigitLine(puzzle))
        return false;
    std::transform(puzzle.begin(), puzzle.begin() + kCells, cells, [](char c) { return c - '0'; });
    return board.setPuzzle(cells);
}

// Why a solution is wrong: not a complete, valid grid, or a given of the puzzle changed; empty when it is right.
std::string solutionFault(const std::string& solution, const std::string& puzzle)
{
    if (!isDigitLine(solution) || solution.find('0') < kCells)
        return "no es válida: no empieza por 81 cifras del 1 al 9";
    static const char* const kinds[] = {"la fila", "la columna", "el bloque"};
    for (int unit = 0; unit < 27; ++unit) {
        const int u = unit % 9;
        std::string seen;
        for (int k = 0; k < 9; ++k) {
            const int row[] = {u, k, u / 3 * 3 + k / 3}, column[] = {k, u, u % 3 * 3 + k % 3};
            const char digit = solution[row[unit / 9] * 9 + column[unit / 9]];
            if (seen.find(digit) != std::string::npos)
                return "no es válida: " + std::string(kinds[unit / 9]) + " " + std::to_string(u + 1) + " repite el "
                    + digit;
            seen += digit;
        }
    }
    for (std::size_t c = 0; c < kCells && isDigitLine(puzzle); ++c)
        if (puzzle[c] != '0' && puzzle[c] != solution[c])
            return "no respeta el " + std::string(1, puzzle[c]) + " dado en la fila " + std::to_string(c / 9 + 1)
                + ", columna " + std::to_string(c % 9 + 1);
    return {};
}

}  // namespace

std::string digitsOf(const int* cells)
{
    std::string s(kCells, '0');
    std::transform(cells, cells + kCells, s.begin(), [](int cell) { return static_cast<char>('0' + cell); });
    return s;
}

int countSolutions(const std::string& puzzle, std::string* solution)
{
    qqwing::SudokuBoard board;
    if (!load(board, puzzle))
        return 0;
    const int count = std::min(board.countSolutionsLimited(), 2);
    if (count == 1 && solution && board.solve() && board.isSolved())
        *solution = digitsOf(board.getSolution());
    return count;
}

std::string difficultyName(int difficulty)
{
    static const char* const names[] = {"?", "SIMPLE", "EASY", "INTERMEDIATE", "EXPERT"};  // qqwing's order
    return names[difficulty];
}

std::string rating(const std::string& puzzle)
{
    qqwing::SudokuBoard board;
    board.setRecordHistory(true);
    return load(board, puzzle) && board.solve() ? difficultyName(board.getDifficulty()) : "?";
}

// ---------------------------------------------------------------------------
// Checking

namespace {

// "la línea 3", "las líneas 1 (la cabecera), 4 y 6", for line indices counting from 0.
std::string lineList(const std::vector<std::size_t>& indices)
{
    std::string out = indices.size() == 1 ? "la línea " : "las líneas ";
    for (std::size_t k = 0; k < indices.size(); ++k) {
        if (k > 0)
            out += k + 1 == indices.size() ? " y " : ", ";
        out += std::to_string(indices[k] + 1) + (indices[k] == 0 ? " (la cabecera)" : "");
    }
    return out;
}

// Labels stand at lines 2, 4, 6, ... (indices 1, 3, 5, ...), each followed by its digit line.
// A last label without a digit line is reported and left out.
void checkLabels(const std::string& file, const std::vector<std::string>& lines, std::vector<Problem>& problems)
{
    if (lines.size() % 2 == 0 && !lines.empty())
        add(problems, file, lines.size() - 1,
            "la etiqueta " + guillemets(lines.back()) + " no tiene línea de cifras detrás");
    std::map<std::string, std::vector<std::size_t>> where;  // each distinct line's indices
    for (std::size_t i = 0; i < lines.size(); ++i)
        where[lines[i]].push_back(i);
    for (std::size_t i : labelIndices(lines)) {
        std::vector<std::size_t> others = where[lines[i]];
        others.erase(std::find(others.begin(), others.end(), i));
        if (lines[i].empty())
            add(problems, file, i, "etiqueta vacía");
        else if (!others.empty())
            add(problems, file, i,
                "la etiqueta " + guillemets(lines[i]) + " es igual a " + lineList(others)
                    + "; cada etiqueta debe ser única en el fichero");
    }
}

// Problems in the order of their files, each file's in line order.
void sortProblems(std::vector<Problem>& problems, const std::vector<std::string>& files)
{
    const auto place = [&](const Problem& p) {
        return std::make_pair(std::find(files.begin(), files.end(), p.file) - files.begin(), p.line);
    };
    std::stable_sort(problems.begin(), problems.end(),
                     [&](const Problem& a, const Problem& b) { return place(a) < place(b); });
}

}  // namespace

Report checkLevel(const fs::path& folder, const Level& level)
{
    Report report;
    auto& problems = report.problems;
    const std::string libName = (folder / libraryFile(level)).string();
    const std::string solName = (folder / solutionFile(level)).string();
    const TextFile lib = readTextFile(libName), sol = readTextFile(solName);
    for (const TextFile* f : {&lib, &sol}) {
        report.files += !f->error && !f->lines.empty();
        problems.insert(problems.end(), f->problems.begin(), f->problems.end());
    }
    if (lib.lines.empty())
        return report;
    checkLabels(libName, lib.lines, problems);
    if (!sol.lines.empty() && sol.lines[0] != lib.lines[0])
        add(problems, solName, 0,
            "la cabecera no es la de " + libraryFile(level) + " (" + guillemets(lib.lines[0]) + ")");
    if (!sol.lines.empty())
        checkLabels(solName, sol.lines, problems);

    std::set<std::string> libraryLabels;
    for (std::size_t i : labelIndices(lib.lines)) {
        const std::string &label = lib.lines[i], &puzzle = lib.lines[i + 1];
        ++report.puzzles;
        libraryLabels.insert(label);
        const int solutions = countSolutions(puzzle);
        if (!isDigitLine(puzzle))
            add(problems, libName, i + 1, "la línea del sudoku " + guillemets(label) + " no empieza por 81 cifras");
        else if (solutions != 1)
            add(problems, libName, i + 1,
                "el sudoku " + guillemets(label)
                    + (solutions == 0 ? " no tiene solución" : " tiene más de una solución"));
        if (sol.lines.empty())
            continue;
        // The label's solution, looked up by the game's own lookup.
        const LibraryResult found = findRecord(solName, label, KeyLines::Every);
        const std::size_t j = static_cast<std::size_t>(found.line) - 1;  // the key line's index
        if (found.error == LibraryError::LabelNotFound)
            add(problems, libName, i,
                "falta la solución de " + guillemets(label) + ": la etiqueta no está en " + solutionFile(level));
        else if (found.line > 0 && !isLabelLine(found.line))
            add(problems, solName, j,
                "la etiqueta " + guillemets(label) + " de " + libraryFile(level) + " es igual a "
                    + (j == 0 ? "la cabecera" : "esta línea de cifras")
                    + ", y el juego tomaría la línea siguiente como su solución");
        else if (const std::string fault = found.line > 0 ? solutionFault(found.digits, puzzle) : ""; !fault.empty())
            add(problems, solName, j + 1, "la solución de " + guillemets(label) + " " + fault);
    }
    if (sol.lines.empty())
        return report;  // nothing more to check, and left in the order found
    for (std::size_t j : labelIndices(sol.lines))
        if (!libraryLabels.count(sol.lines[j]))
            add(problems, solName, j, "la etiqueta " + guillemets(sol.lines[j]) + " no está en " + libraryFile(level));
    sortProblems(problems, {libName, solName});
    return report;
}

Report checkFolder(const fs::path& folder)
{
    Report report;
    for (const Level& level : levels()) {
        const Report one = checkLevel(folder, level);
        report.files += one.files;
        report.puzzles += one.puzzles;
        report.problems.insert(report.problems.end(), one.problems.begin(), one.problems.end());
        if (one.files > 0 && one.puzzles < drawnRecords)
            report.problems.push_back({(folder / libraryFile(level)).string(), 0,
                                       "tiene " + std::to_string(one.puzzles)
                                           + " sudokus; una partida nueva elige entre los "
                                           + std::to_string(drawnRecords) + " primeros"});
    }
    puzzlesInFolder(folder, &report.problems);  // the same puzzle twice, in one library or in two
    std::vector<std::string> files;
    for (const Level& level : levels())
        files.insert(files.end(), {(folder / libraryFile(level)).string(), (folder / solutionFile(level)).string()});
    sortProblems(report.problems, files);
    return report;
}

// ---------------------------------------------------------------------------
// Appending

std::map<std::string, std::string> puzzlesInFolder(const fs::path& folder, std::vector<Problem>* repeats)
{
    std::map<std::string, std::string> known;
    for (const Level& level : levels()) {
        const std::string libName = (folder / libraryFile(level)).string();
        const TextFile lib = readTextFile(libName);
        for (std::size_t i : labelIndices(lib.lines)) {
            if (!isDigitLine(lib.lines[i + 1]))
                continue;
            const auto [first, added] =
                known.emplace(lib.lines[i + 1].substr(0, kCells), libraryFile(level) + ", " + guillemets(lib.lines[i]));
            if (!added && repeats)
                add(*repeats, libName, i + 1, "el sudoku " + guillemets(lib.lines[i]) + " ya está en " + first->second);
        }
    }
    return known;
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
    const std::vector<std::size_t> labels = labelIndices(lib.lines);
    if (lib.error)
        why = "no se puede leer " + libPath.string() + ": " + fileErrorText(lib.error);
    else if (!lib.problems.empty() || lib.lines.size() % 2 == 0)
        why = libraryFile(level) + " no está en el formato del juego";
    else if (labels.size() <= drawnRecords)
        why = libraryFile(level) + " no tiene más sudokus que los que se reparten";
    if (why.empty()) {
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

Repair repairInterruptedChange(const fs::path& folder, const Level& level)
{
    Repair repair;
    const fs::path libPath = folder / libraryFile(level), solPath = folder / solutionFile(level);
    const std::string markerPath = (folder / markerFile(level)).string();
    int error;
    const int marker = lockAbandoned(markerPath, error);
    if (marker < 0 && error != ENOENT) {
        repair.blocked = error == EWOULDBLOCK
            ? "otro cuadrix-biblioteca está cambiando " + libraryFile(level) + " ahora"
            : "no se puede comprobar el cambio que anota " + markerPath + ": " + fileErrorText(error)
                + "; bórrelo si ningún cuadrix-biblioteca está cambiando " + libraryFile(level);
        return repair;
    }
    for (const fs::path& path : {solPath, libPath})
        for (const std::string& leftover : removeAbandonedTemporaries(path.string()))
            repair.done.push_back("borrado " + leftover + ", que dejó un cambio interrumpido");
    if (marker < 0)
        return repair;  // no change was cut short
    const std::optional<std::vector<std::string>> read = markerLines(marker);
    if (!read) {
        repair.blocked = markerPath + " no es un fichero de cuadrix-biblioteca; bórrelo si no es de nadie";
        ::close(marker);
        return repair;
    }
    const std::vector<std::string>& mark = *read;
    const TextFile lib = readTextFile(libPath), sol = readTextFile(solPath);
    const std::vector<std::string> labels(mark.size() > 2 ? mark.begin() + 2 : mark.end(), mark.end());
    std::set<std::string> inLibrary;
    for (std::size_t i : labelIndices(lib.lines))
        inLibrary.insert(lib.lines[i]);
    const auto count = [&labels](const std::set<std::string>& in) {
        return std::count_if(labels.begin(), labels.end(), [&in](const std::string& l) { return in.count(l) > 0; });
    };
    // The solution file as the change found it: without the records it added at its end.
    const std::size_t kept = sol.lines.size() - std::min(sol.lines.size(), 2 * labels.size());
    bool added = sol.problems.empty() && kept % 2 == 1;
    for (std::size_t k = 0; added && k < labels.size(); ++k)
        added = sol.lines[kept + 2 * k] == labels[k];
    const bool newLevel = mark.size() > 1 && mark[1] == kNewLevel;
    const std::set<std::string> inSolutions(sol.lines.begin(), sol.lines.end());
    // A file that cannot be read, or the missing library of a level that had one, tells nothing of what a change did.
    const auto unreadable = [newLevel](const TextFile& f) { return f.error && !(newLevel && f.error == ENOENT); };
    const bool solUnread = unreadable(sol);
    if (!labels.empty() && (solUnread || unreadable(lib))) {
        repair.blocked = "no se puede deshacer el cambio interrumpido que anota " + markerPath + ": no se puede leer "
            + (solUnread ? solPath : libPath).string() + ": " + fileErrorText((solUnread ? sol : lib).error);
    } else if (labels.empty() || count(inLibrary) == std::ptrdiff_t(labels.size()) || count(inSolutions) == 0) {
        // Cut short before its first write, or after its last: nothing of the files to undo.
    } else if (count(inLibrary) == 0 && added && (!newLevel || (kept == 1 && lib.error == ENOENT))) {
        error = newLevel
            ? (::unlink(solPath.c_str()) == 0 ? 0 : errno)
            : writeFileAtomically(solPath.string(), crlf({sol.lines.begin(), sol.lines.begin() + long(kept)}),
                                  systemFileOps());
        std::string quoted;
        for (const std::string& label : labels)
            quoted += (quoted.empty() ? "" : ", ") + guillemets(label);
        const std::string undo = " de " + solPath.string() + " las soluciones sin sudoku " + quoted;
        repair.done.push_back(error ? "no se pueden quitar" + undo + ": " + writeErrorText(error, solPath.string())
                                    : "quitadas" + undo + ", que dejó un cambio interrumpido");
        if (error)
            repair.blocked = repair.done.back();
    } else {
        repair.blocked = "no se puede deshacer el cambio interrumpido que anota " + markerPath
            + ": los ficheros han cambiado después; revíselos y borre ese fichero";
    }
    if (repair.blocked.empty())
        ::unlink(markerPath.c_str());
    ::close(marker);
    return repair;
}

}  // namespace biblioteca
