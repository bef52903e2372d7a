// Checking the libraries and solution files: labels, puzzles, solutions, and what only shows across the levels.
// SPDX-FileCopyrightText: 2026 Equipo de Cuadrix
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/biblioteca/checking.h"

#include <algorithm>
#include <set>
#include <utility>

#include "puzzles/library.h"
#include "tools/biblioteca/solver.h"

namespace biblioteca {

namespace fs = std::filesystem;

namespace {

// Adds a problem at the line of the given index, counting from 0.
void add(std::vector<Problem>& problems, const std::string& file, std::size_t index, const std::string& text)
{
    problems.push_back({file, static_cast<int>(index + 1), text});
}

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

// Labels stand at lines 2, 4, 6, ... (indices 1, 3, 5, ...), each followed by its digit line. A last label without a
// digit line is reported and left out.
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

// Problems in the order of their files, each file's in line order.
void sortProblems(std::vector<Problem>& problems, const std::vector<std::string>& files)
{
    const auto place = [&](const Problem& p) {
        return std::make_pair(std::find(files.begin(), files.end(), p.file) - files.begin(), p.line);
    };
    std::stable_sort(problems.begin(), problems.end(),
                     [&](const Problem& a, const Problem& b) { return place(a) < place(b); });
}

// The two files of a level, by path, as the check reads them.
struct LevelFiles {
    const Level& level;
    std::string libName, solName;
    TextFile lib, sol;
};

// The puzzle at index i + 1 of the library: 81 digits with one solution.
void checkPuzzle(const LevelFiles& f, std::size_t i, std::vector<Problem>& problems)
{
    const std::string &label = f.lib.lines[i], &puzzle = f.lib.lines[i + 1];
    const int solutions = countSolutions(puzzle);
    if (!isDigitLine(puzzle))
        add(problems, f.libName, i + 1, "la línea del sudoku " + guillemets(label) + " no empieza por 81 cifras");
    else if (solutions != 1)
        add(problems, f.libName, i + 1,
            "el sudoku " + guillemets(label) + (solutions == 0 ? " no tiene solución" : " tiene más de una solución"));
}

// The solution of the puzzle labelled at index i of the library, looked up by the game's own lookup.
void checkSolution(const LevelFiles& f, std::size_t i, std::vector<Problem>& problems)
{
    const std::string &label = f.lib.lines[i], &puzzle = f.lib.lines[i + 1];
    const LibraryResult found = findRecord(f.solName, label, KeyLines::Every);
    const std::size_t j = static_cast<std::size_t>(found.line) - 1;  // the key line's index
    if (found.error == LibraryError::LabelNotFound)
        add(problems, f.libName, i,
            "falta la solución de " + guillemets(label) + ": la etiqueta no está en " + solutionFile(f.level));
    else if (found.line > 0 && !isLabelLine(found.line))
        add(problems, f.solName, j,
            "la etiqueta " + guillemets(label) + " de " + libraryFile(f.level) + " es igual a "
                + (j == 0 ? "la cabecera" : "esta línea de cifras")
                + ", y el juego tomaría la línea siguiente como su solución");
    else if (const std::string fault = found.line > 0 ? solutionFault(found.digits, puzzle) : ""; !fault.empty())
        add(problems, f.solName, j + 1, "la solución de " + guillemets(label) + " " + fault);
}

// Labels of the solution file that no puzzle of the library has.
void checkOrphans(const LevelFiles& f, const std::set<std::string>& libraryLabels, std::vector<Problem>& problems)
{
    for (std::size_t j : labelIndices(f.sol.lines))
        if (!libraryLabels.count(f.sol.lines[j]))
            add(problems, f.solName, j,
                "la etiqueta " + guillemets(f.sol.lines[j]) + " no está en " + libraryFile(f.level));
}

}  // namespace

Report checkLevel(const fs::path& folder, const Level& level)
{
    const std::string libName = (folder / libraryFile(level)).string(),
                      solName = (folder / solutionFile(level)).string();
    const LevelFiles f{level, libName, solName, readTextFile(libName), readTextFile(solName)};
    Report report;
    auto& problems = report.problems;
    for (const TextFile* file : {&f.lib, &f.sol}) {
        report.files += !file->error && !file->lines.empty();
        problems.insert(problems.end(), file->problems.begin(), file->problems.end());
    }
    if (f.lib.lines.empty())
        return report;
    checkLabels(libName, f.lib.lines, problems);
    if (!f.sol.lines.empty() && f.sol.lines[0] != f.lib.lines[0])
        add(problems, solName, 0,
            "la cabecera no es la de " + libraryFile(level) + " (" + guillemets(f.lib.lines[0]) + ")");
    if (!f.sol.lines.empty())
        checkLabels(solName, f.sol.lines, problems);
    std::set<std::string> libraryLabels;
    for (std::size_t i : labelIndices(f.lib.lines)) {
        ++report.puzzles;
        libraryLabels.insert(f.lib.lines[i]);
        checkPuzzle(f, i, problems);
        if (!f.sol.lines.empty())
            checkSolution(f, i, problems);
    }
    if (f.sol.lines.empty())
        return report;  // nothing more to check, and left in the order found
    checkOrphans(f, libraryLabels, problems);
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

}  // namespace biblioteca
