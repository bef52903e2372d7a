// The puzzle libraries and solution files in a game folder.
#include "tools/biblioteca/library_files.h"

#include <qqwing.hpp>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <map>
#include <set>
#include <utility>

namespace biblioteca {

namespace fs = std::filesystem;

const Level* levelFor(const std::string& code)
{
    for (const Level& level : levels())
        if (code == level.code)
            return &level;
    return nullptr;
}

std::string format(const Problem& p)
{
    return p.file + ":" + std::to_string(p.line) + ": " + p.text;
}

namespace {

std::string guillemets(const std::string& s) { return "«" + s + "»"; }

std::string lineList(const std::vector<std::size_t>& indices)
{
    std::string out = indices.size() == 1 ? "la línea " : "las líneas ";
    for (std::size_t k = 0; k < indices.size(); ++k) {
        if (k > 0)
            out += k + 1 == indices.size() ? " y " : ", ";
        out += std::to_string(indices[k] + 1);
        if (indices[k] == 0)
            out += " (la cabecera)";
    }
    return out;
}

std::string crlf(const std::vector<std::string>& lines)
{
    std::string bytes;
    for (const std::string& line : lines)
        bytes += line + "\r\n";
    return bytes;
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
        if (reader.lastEnd() == LineReader::End::None)
            out.problems.push_back({path.string(), number, "la última línea no termina en CR LF"});
        else if (reader.lastEnd() == LineReader::End::Lf && noCr++ == 0)
            firstNoCr = number;
        if (line->find('\r') != std::string::npos && strayCr++ == 0)
            firstStrayCr = number;
        out.lines.push_back(std::move(*line));
    }
    out.error = reader.error();
    if (out.error)
        out.problems.push_back({path.string(), reader.isOpen() ? static_cast<int>(out.lines.size()) + 1 : 0,
                                fileErrorText(out.error)});
    const auto more = [](int n) {
        return n > 1 ? " (y " + std::to_string(n - 1) + (n == 2 ? " línea más)" : " líneas más)") : std::string();
    };
    if (noCr > 0)
        out.problems.push_back({path.string(), firstNoCr, "la línea termina en LF sin CR" + more(noCr)});
    if (strayCr > 0)
        out.problems.push_back({path.string(), firstStrayCr, "la línea lleva un CR suelto" + more(strayCr)});
    std::sort(out.problems.begin(), out.problems.end(), [](const Problem& a, const Problem& b) { return a.line < b.line; });
    return out;
}

// ---------------------------------------------------------------------------
// Puzzles

namespace {

// Puts the puzzle on the board; false when its givens clash.
bool load(qqwing::SudokuBoard& board, const std::string& puzzle)
{
    int cells[kCells];
    for (int i = 0; i < kCells; ++i)
        cells[i] = puzzle[i] - '0';
    return board.setPuzzle(cells);
}

}  // namespace

std::string digitsOf(const int* cells)
{
    std::string s(kCells, '0');
    for (int i = 0; i < kCells; ++i)
        s[i] = static_cast<char>('0' + cells[i]);
    return s;
}

int countSolutions(const std::string& puzzle)
{
    qqwing::SudokuBoard board;
    if (!isDigitLine(puzzle) || !load(board, puzzle))
        return 0;
    return std::min(board.countSolutionsLimited(), 2);
}

std::optional<std::string> uniqueSolution(const std::string& puzzle)
{
    if (countSolutions(puzzle) != 1)
        return std::nullopt;
    qqwing::SudokuBoard board;
    if (!load(board, puzzle) || !board.solve() || !board.isSolved())
        return std::nullopt;
    return digitsOf(board.getSolution());
}

std::string difficultyName(int difficulty)
{
    switch (difficulty) {
    case qqwing::SudokuBoard::SIMPLE: return "SIMPLE";
    case qqwing::SudokuBoard::EASY: return "EASY";
    case qqwing::SudokuBoard::INTERMEDIATE: return "INTERMEDIATE";
    case qqwing::SudokuBoard::EXPERT: return "EXPERT";
    default: return "?";
    }
}

std::string rating(const std::string& puzzle)
{
    qqwing::SudokuBoard board;
    board.setRecordHistory(true);
    return load(board, puzzle) && board.solve() ? difficultyName(board.getDifficulty()) : "?";
}

std::string gridFault(const std::string& solution)
{
    if (!isDigitLine(solution) || solution.find('0') < static_cast<std::size_t>(kCells))
        return "no empieza por 81 cifras del 1 al 9";
    static const char* const kinds[] = {"la fila", "la columna", "el bloque"};
    for (int kind = 0; kind < 3; ++kind) {
        for (int u = 0; u < 9; ++u) {
            unsigned seen = 0;
            for (int k = 0; k < 9; ++k) {
                const int cell = kind == 0 ? u * 9 + k
                               : kind == 1 ? k * 9 + u
                                           : (u / 3 * 3 + k / 3) * 9 + u % 3 * 3 + k % 3;
                const unsigned bit = 1u << (solution[cell] - '0');
                if (seen & bit)
                    return std::string(kinds[kind]) + " " + std::to_string(u + 1) + " repite el " + solution[cell];
                seen |= bit;
            }
        }
    }
    return {};
}

// ---------------------------------------------------------------------------
// Checking

namespace {

// Where each distinct line of a file stands.
std::map<std::string, std::vector<std::size_t>> lineIndex(const std::vector<std::string>& lines)
{
    std::map<std::string, std::vector<std::size_t>> at;
    for (std::size_t i = 0; i < lines.size(); ++i)
        at[lines[i]].push_back(i);
    return at;
}

// Labels stand at lines 2, 4, 6, ... (indices 1, 3, 5, ...), each followed by its digit line.
// A last label without a digit line is reported and left out.
void checkLabels(const std::string& file, const std::vector<std::string>& lines, std::vector<Problem>& problems)
{
    if (lines.size() % 2 == 0 && !lines.empty())
        problems.push_back({file, static_cast<int>(lines.size()),
                            "la etiqueta " + guillemets(lines.back()) + " no tiene línea de cifras detrás"});
    const auto at = lineIndex(lines);
    for (std::size_t i = 1; i + 1 < lines.size(); i += 2) {
        if (lines[i].empty()) {
            problems.push_back({file, static_cast<int>(i + 1), "etiqueta vacía"});
            continue;
        }
        std::vector<std::size_t> others;
        for (std::size_t j : at.at(lines[i]))
            if (j != i)
                others.push_back(j);
        if (!others.empty())
            problems.push_back({file, static_cast<int>(i + 1),
                                "la etiqueta " + guillemets(lines[i]) + " es igual a " + lineList(others)
                                    + "; cada etiqueta debe ser única en el fichero"});
    }
}

}  // namespace

Report checkLevel(const fs::path& folder, const Level& level)
{
    Report report;
    auto& problems = report.problems;
    const std::string libName = (folder / libraryFile(level)).string();
    const std::string solName = (folder / solutionFile(level)).string();
    const TextFile lib = readTextFile(folder / libraryFile(level));
    const TextFile sol = readTextFile(folder / solutionFile(level));
    for (const auto* f : {&lib, &sol}) {
        const std::string& name = f == &lib ? libName : solName;
        if (f->readable() && f->lines.empty())
            problems.push_back({name, 0, "el fichero está vacío; falta al menos la cabecera"});
        else if (f->readable())
            ++report.files;
        problems.insert(problems.end(), f->problems.begin(), f->problems.end());
    }
    if (lib.lines.empty())
        return report;

    checkLabels(libName, lib.lines, problems);
    std::vector<std::size_t> records;  // index of each label line in the library
    for (std::size_t i = 1; i + 1 < lib.lines.size(); i += 2)
        records.push_back(i);
    report.puzzles = static_cast<int>(records.size());

    for (std::size_t i : records) {
        const std::string& puzzle = lib.lines[i + 1];
        if (!isDigitLine(puzzle)) {
            problems.push_back({libName, static_cast<int>(i + 2),
                                "la línea del sudoku " + guillemets(lib.lines[i]) + " no empieza por 81 cifras"});
            continue;
        }
        const int n = countSolutions(puzzle);
        if (n != 1)
            problems.push_back({libName, static_cast<int>(i + 2),
                                "el sudoku " + guillemets(lib.lines[i])
                                    + (n == 0 ? " no tiene solución" : " tiene más de una solución")});
    }

    if (sol.lines.empty())
        return report;
    if (sol.lines.front() != lib.lines.front())
        problems.push_back({solName, 1, "la cabecera no es la de " + libraryFile(level) + " ("
                                            + guillemets(lib.lines.front()) + ")"});
    checkLabels(solName, sol.lines, problems);

    // Each library label's solution, looked up as the game does: the line after the first
    // line equal to the label, counting from the very first line of the file.
    std::set<std::string> libraryLabels;
    for (std::size_t i : records) {
        const std::string& label = lib.lines[i];
        libraryLabels.insert(label);
        const auto found = std::find(sol.lines.begin(), sol.lines.end(), label);
        if (found == sol.lines.end()) {
            problems.push_back({libName, static_cast<int>(i + 1),
                                "falta la solución de " + guillemets(label) + ": la etiqueta no está en "
                                    + solutionFile(level)});
            continue;
        }
        const std::size_t j = static_cast<std::size_t>(found - sol.lines.begin());
        if (j % 2 == 0) {
            problems.push_back({solName, static_cast<int>(j + 1),
                                "la etiqueta " + guillemets(label) + " de " + libraryFile(level) + " es igual a "
                                    + (j == 0 ? "la cabecera" : "esta línea de cifras")
                                    + ", y el juego tomaría la línea siguiente como su solución"});
            continue;
        }
        if (j + 1 >= sol.lines.size())
            continue;  // reported by checkLabels
        const std::string& solution = sol.lines[j + 1];
        const int at = static_cast<int>(j + 2);
        const std::string fault = gridFault(solution);
        if (!fault.empty()) {
            problems.push_back({solName, at, "la solución de " + guillemets(label) + " no es válida: " + fault});
            continue;
        }
        const std::string& puzzle = lib.lines[i + 1];
        if (!isDigitLine(puzzle))
            continue;
        for (int c = 0; c < kCells; ++c) {
            if (puzzle[c] != '0' && puzzle[c] != solution[c]) {
                problems.push_back({solName, at,
                                    "la solución de " + guillemets(label) + " no respeta el " + puzzle[c]
                                        + " dado en la fila " + std::to_string(c / 9 + 1) + ", columna "
                                        + std::to_string(c % 9 + 1)});
                break;
            }
        }
    }
    for (std::size_t j = 1; j + 1 < sol.lines.size(); j += 2)
        if (!libraryLabels.count(sol.lines[j]))
            problems.push_back({solName, static_cast<int>(j + 1),
                                "la etiqueta " + guillemets(sol.lines[j]) + " no está en " + libraryFile(level)});
    // The library's problems first, each file's in line order.
    std::stable_sort(problems.begin(), problems.end(), [&](const Problem& a, const Problem& b) {
        return std::make_pair(a.file != libName, a.line) < std::make_pair(b.file != libName, b.line);
    });
    return report;
}

Report checkFolder(const fs::path& folder)
{
    Report report;
    for (const Level& level : levels()) {
        Report one = checkLevel(folder, level);
        report.files += one.files;
        report.puzzles += one.puzzles;
        report.problems.insert(report.problems.end(), one.problems.begin(), one.problems.end());
        if (one.files > 0 && one.puzzles < 2)
            report.problems.push_back({(folder / libraryFile(level)).string(), 0,
                                       "tiene " + std::to_string(one.puzzles)
                                           + " sudokus; una partida nueva elige entre los dos primeros"});
    }
    // The same puzzle twice, in one library or in two.
    std::map<std::string, std::string> seen;
    for (const Level& level : levels()) {
        const TextFile lib = readTextFile(folder / libraryFile(level));
        for (std::size_t i = 1; i + 1 < lib.lines.size(); i += 2) {
            const std::string& line = lib.lines[i + 1];
            if (!isDigitLine(line))
                continue;
            const std::string where = libraryFile(level) + ", " + guillemets(lib.lines[i]);
            const auto [it, added] = seen.emplace(line.substr(0, kCells), where);
            if (!added)
                report.problems.push_back({(folder / libraryFile(level)).string(), static_cast<int>(i + 2),
                                           "el sudoku " + guillemets(lib.lines[i]) + " ya está en " + it->second});
        }
    }
    return report;
}

// ---------------------------------------------------------------------------
// Appending

const std::string* KnownPuzzles::find(const std::string& puzzle) const
{
    for (const auto& [p, where] : entries)
        if (p == puzzle)
            return &where;
    return nullptr;
}

KnownPuzzles puzzlesInFolder(const fs::path& folder)
{
    KnownPuzzles known;
    for (const Level& level : levels()) {
        const TextFile lib = readTextFile(folder / libraryFile(level));
        for (std::size_t i = 1; i + 1 < lib.lines.size(); i += 2)
            if (isDigitLine(lib.lines[i + 1]))
                known.entries.emplace_back(lib.lines[i + 1].substr(0, kCells),
                                           libraryFile(level) + ", " + guillemets(lib.lines[i]));
    }
    return known;
}

namespace {

// The number of a label "<prefix> NNN", or -1.
long labelNumber(const std::string& label, const std::string& prefix)
{
    if (label.size() <= prefix.size() + 1 || label.compare(0, prefix.size(), prefix) != 0
        || label[prefix.size()] != ' ')
        return -1;
    const std::string digits = label.substr(prefix.size() + 1);
    if (digits.size() > 9 || !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return -1;
    return std::stol(digits);
}

std::string makeLabel(const std::string& prefix, long number)
{
    char buf[32];
    std::snprintf(buf, sizeof buf, " %03ld", number);
    return prefix + buf;
}

}  // namespace

std::string appendPuzzles(const fs::path& folder, const Level& level, std::vector<NewPuzzle>& puzzles, FileOps& ops)
{
    const fs::path libPath = folder / libraryFile(level), solPath = folder / solutionFile(level);
    TextFile lib = readTextFile(libPath), sol = readTextFile(solPath);
    if (lib.error == ENOENT && sol.error == ENOENT) {
        lib = sol = TextFile{};
        lib.lines = sol.lines = {level.header};
    } else if (!lib.readable() || !sol.readable()) {
        return "no se puede leer " + (lib.readable() ? solPath : libPath).string() + ": "
             + fileErrorText(lib.readable() ? sol.error : lib.error);
    } else if (lib.lines.empty() || sol.lines.empty() || !lib.problems.empty() || !sol.problems.empty()) {
        return "los ficheros " + libraryFile(level) + " y " + solutionFile(level) + " no están en el formato del juego";
    }

    std::set<std::string> taken(lib.lines.begin(), lib.lines.end());
    taken.insert(sol.lines.begin(), sol.lines.end());
    long next = 0;
    for (std::size_t i = 1; i < lib.lines.size(); i += 2)
        next = std::max(next, labelNumber(lib.lines[i], level.labelPrefix));
    for (NewPuzzle& p : puzzles) {
        if (p.puzzle.size() != static_cast<std::size_t>(kCells) || p.solution.size() != static_cast<std::size_t>(kCells))
            return "sudoku mal formado";
        taken.insert(p.puzzle);
        taken.insert(p.solution);
    }
    for (NewPuzzle& p : puzzles) {
        do
            p.label = makeLabel(level.labelPrefix, ++next);
        while (taken.count(p.label));
        taken.insert(p.label);
        lib.lines.insert(lib.lines.end(), {p.label, p.puzzle});
        sol.lines.insert(sol.lines.end(), {p.label, p.solution});
    }
    // The solution file goes first, so the library never names a puzzle without a solution.
    for (const auto& [path, file] : {std::pair(solPath, &sol), std::pair(libPath, &lib)})
        if (const int error = writeFileAtomically(path.string(), crlf(file->lines), ops))
            return "no se puede escribir " + path.string() + ": " + fileErrorText(error);
    return {};
}

std::vector<std::string> repairInterruptedAppend(const fs::path& folder, const Level& level, FileOps& ops)
{
    std::vector<std::string> done;
    const fs::path libPath = folder / libraryFile(level), solPath = folder / solutionFile(level);
    for (const fs::path& path : {solPath, libPath}) {
        for (const std::string& leftover : leftoverTemporaries(path.string())) {
            ops.remove(leftover);
            done.push_back("borrado " + leftover + ", que dejó un cambio interrumpido");
        }
    }
    const TextFile lib = readTextFile(libPath);
    TextFile sol = readTextFile(solPath);
    const bool noLibrary = lib.error == ENOENT;
    if ((!noLibrary && (!lib.problems.empty() || lib.lines.size() % 2 == 0)) || !sol.problems.empty()
        || sol.lines.size() % 2 == 0)
        return done;
    const std::set<std::string> libLines(lib.lines.begin(), lib.lines.end());
    std::string labels;
    std::size_t keep = sol.lines.size();
    for (; keep > 1 && !libLines.count(sol.lines[keep - 2]); keep -= 2)
        labels = guillemets(sol.lines[keep - 2]) + (labels.empty() ? "" : ", ") + labels;
    if (keep == sol.lines.size())
        return done;
    sol.lines.resize(keep);
    // The level was started by the append: with no library, its solution file goes too.
    const int error = noLibrary && keep == 1 ? (ops.remove(solPath.string()), 0)
                                                       : writeFileAtomically(solPath.string(), crlf(sol.lines), ops);
    done.push_back(error ? "no se pueden quitar de " + solPath.string() + " las soluciones sin sudoku " + labels + ": "
                               + fileErrorText(error)
                         : "quitadas de " + solPath.string() + " las soluciones sin sudoku " + labels
                               + ", que dejó un cambio interrumpido");
    return done;
}

}  // namespace biblioteca
