// The puzzle libraries and solution files in a game folder.
#include "tools/biblioteca/library_files.h"

#include <qqwing.hpp>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <map>
#include <utility>

namespace biblioteca {

namespace fs = std::filesystem;

const std::array<Level, 3>& levels()
{
    static const std::array<Level, 3> all = {{
        {'f', "facil", "facil.sdk", "sol_fac.sdk", "Cuadrix! - biblioteca de sudokus faciles", "Facil"},
        {'m', "medio", "medio.sdk", "sol_med.sdk", "Cuadrix! - biblioteca de sudokus medios", "Medio"},
        {'d', "dificil", "dificil.sdk", "sol_dif.sdk", "Cuadrix! - biblioteca de sudokus dificiles", "Dificil"},
    }};
    return all;
}

const Level* levelFor(const std::string& code)
{
    for (const Level& level : levels())
        if (code.size() == 1 && code[0] == level.code)
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

}  // namespace

TextFile readTextFile(const fs::path& path)
{
    TextFile out;
    std::ifstream in(path, std::ios::binary);
    if (!in || fs::is_directory(path))
        return out;
    out.bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    if (in.bad())
        return out;
    out.readable = true;

    // Each kind of fault is reported once, at its first line, with how many lines share it.
    int noCr = 0, strayCr = 0, firstNoCr = 0, firstStrayCr = 0;
    std::size_t start = 0;
    while (start < out.bytes.size()) {
        const int number = static_cast<int>(out.lines.size()) + 1;
        const std::size_t lf = out.bytes.find('\n', start);
        std::string line = out.bytes.substr(start, lf == std::string::npos ? std::string::npos : lf - start);
        if (lf == std::string::npos) {
            out.lineEndProblems.push_back({path.string(), number, "la última línea no termina en CR LF"});
        } else if (line.empty() || line.back() != '\r') {
            if (noCr++ == 0)
                firstNoCr = number;
        } else {
            line.pop_back();
        }
        if (line.find('\r') != std::string::npos && strayCr++ == 0)
            firstStrayCr = number;
        out.lines.push_back(std::move(line));
        start = lf == std::string::npos ? out.bytes.size() : lf + 1;
    }
    const auto more = [](int n) {
        return n > 1 ? " (y " + std::to_string(n - 1) + (n == 2 ? " línea más)" : " líneas más)") : std::string();
    };
    if (noCr > 0)
        out.lineEndProblems.push_back({path.string(), firstNoCr, "la línea termina en LF sin CR" + more(noCr)});
    if (strayCr > 0)
        out.lineEndProblems.push_back({path.string(), firstStrayCr, "la línea lleva un CR suelto" + more(strayCr)});
    std::sort(out.lineEndProblems.begin(), out.lineEndProblems.end(),
              [](const Problem& a, const Problem& b) { return a.line < b.line; });
    return out;
}

// ---------------------------------------------------------------------------
// Puzzles

namespace {

bool digitsIn(const std::string& s, char lo, char hi)
{
    return s.size() >= static_cast<std::size_t>(kCells)
        && std::all_of(s.begin(), s.begin() + kCells, [lo, hi](char c) { return c >= lo && c <= hi; });
}

// Puts the puzzle on the board; false when its givens clash.
bool load(qqwing::SudokuBoard& board, const std::string& puzzle)
{
    int cells[kCells];
    for (int i = 0; i < kCells; ++i)
        cells[i] = puzzle[i] - '0';
    return board.setPuzzle(cells);
}

std::string fromCells(const int* cells)
{
    std::string s(kCells, '0');
    for (int i = 0; i < kCells; ++i)
        s[i] = static_cast<char>('0' + cells[i]);
    return s;
}

}  // namespace

int countSolutions(const std::string& puzzle)
{
    qqwing::SudokuBoard board;
    if (!digitsIn(puzzle, '0', '9') || !load(board, puzzle))
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
    return fromCells(board.getSolution());
}

std::string rating(const std::string& puzzle)
{
    qqwing::SudokuBoard board;
    board.setRecordHistory(true);
    if (!load(board, puzzle) || !board.solve())
        return "?";
    switch (board.getDifficulty()) {
    case qqwing::SudokuBoard::SIMPLE: return "SIMPLE";
    case qqwing::SudokuBoard::EASY: return "EASY";
    case qqwing::SudokuBoard::INTERMEDIATE: return "INTERMEDIATE";
    case qqwing::SudokuBoard::EXPERT: return "EXPERT";
    default: return "?";
    }
}

std::string gridFault(const std::string& solution)
{
    if (!digitsIn(solution, '1', '9'))
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
    const std::string libName = (folder / level.library).string();
    const std::string solName = (folder / level.solutions).string();
    const TextFile lib = readTextFile(folder / level.library);
    const TextFile sol = readTextFile(folder / level.solutions);
    for (const auto* f : {&lib, &sol}) {
        const std::string& name = f == &lib ? libName : solName;
        if (!f->readable)
            problems.push_back({name, 0, "no existe o no se puede leer"});
        else if (f->lines.empty())
            problems.push_back({name, 0, "el fichero está vacío; falta al menos la cabecera"});
        else
            ++report.files;
        problems.insert(problems.end(), f->lineEndProblems.begin(), f->lineEndProblems.end());
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
        if (!digitsIn(puzzle, '0', '9')) {
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
        problems.push_back({solName, 1, "la cabecera no es la de " + std::string(level.library) + " ("
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
                                    + level.solutions});
            continue;
        }
        const std::size_t j = static_cast<std::size_t>(found - sol.lines.begin());
        if (j % 2 == 0) {
            problems.push_back({solName, static_cast<int>(j + 1),
                                "la etiqueta " + guillemets(label) + " de " + level.library + " es igual a "
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
        if (!digitsIn(puzzle, '0', '9'))
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
                                "la etiqueta " + guillemets(sol.lines[j]) + " no está en " + level.library});
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
            report.problems.push_back({(folder / level.library).string(), 0,
                                       "tiene " + std::to_string(one.puzzles)
                                           + " sudokus; una partida nueva elige entre los dos primeros"});
    }
    // The same puzzle twice, in one library or in two.
    std::map<std::string, std::string> seen;
    for (const Level& level : levels()) {
        const TextFile lib = readTextFile(folder / level.library);
        for (std::size_t i = 1; i + 1 < lib.lines.size(); i += 2) {
            const std::string& line = lib.lines[i + 1];
            if (!digitsIn(line, '0', '9'))
                continue;
            const std::string where = std::string(level.library) + ", " + guillemets(lib.lines[i]);
            const auto [it, added] = seen.emplace(line.substr(0, kCells), where);
            if (!added)
                report.problems.push_back({(folder / level.library).string(), static_cast<int>(i + 2),
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
        const TextFile lib = readTextFile(folder / level.library);
        for (std::size_t i = 1; i + 1 < lib.lines.size(); i += 2)
            if (digitsIn(lib.lines[i + 1], '0', '9'))
                known.entries.emplace_back(lib.lines[i + 1].substr(0, kCells),
                                           std::string(level.library) + ", " + guillemets(lib.lines[i]));
    }
    return known;
}

std::string replaceFile(const fs::path& path, const std::string& bytes)
{
    std::string temp = (path.parent_path() / ("." + path.filename().string() + ".XXXXXX")).string();
    const int fd = mkstemp(temp.data());
    if (fd < 0)
        return "no se puede crear un fichero temporal junto a " + path.string() + ": " + std::strerror(errno);
    struct stat st;
    const mode_t mode = ::stat(path.c_str(), &st) == 0 ? (st.st_mode & 07777) : 0644;
    std::string error;
    if (fchmod(fd, mode) != 0)
        error = std::strerror(errno);
    for (std::size_t done = 0; error.empty() && done < bytes.size();) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            error = std::strerror(errno);
        else
            done += static_cast<std::size_t>(n);
    }
    if (error.empty() && fsync(fd) != 0)
        error = std::strerror(errno);
    if (::close(fd) != 0 && error.empty())
        error = std::strerror(errno);
    if (error.empty() && std::rename(temp.c_str(), path.c_str()) != 0)
        error = std::strerror(errno);
    if (!error.empty()) {
        ::unlink(temp.c_str());
        return "no se puede escribir " + path.string() + ": " + error;
    }
    // Make the rename itself durable.
    const std::string dir = path.parent_path().empty() ? "." : path.parent_path().string();
    const int dirFd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY);
    if (dirFd >= 0) {
        fsync(dirFd);
        ::close(dirFd);
    }
    return {};
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

std::string appendPuzzles(const fs::path& folder, const Level& level, std::vector<NewPuzzle>& puzzles)
{
    const fs::path libPath = folder / level.library;
    const fs::path solPath = folder / level.solutions;
    TextFile lib = readTextFile(libPath);
    TextFile sol = readTextFile(solPath);
    const bool fresh = !fs::exists(libPath) && !fs::exists(solPath);
    if (fresh) {
        lib.bytes = sol.bytes = std::string(level.header) + "\r\n";
        lib.lines = sol.lines = {level.header};
    } else if (!lib.readable || !sol.readable) {
        return "no se puede leer " + (lib.readable ? solPath : libPath).string();
    } else if (lib.lines.empty() || sol.lines.empty() || !lib.lineEndProblems.empty() || !sol.lineEndProblems.empty()) {
        return "los ficheros " + std::string(level.library) + " y " + level.solutions
             + " no están en el formato del juego";
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
        lib.bytes += p.label + "\r\n" + p.puzzle + "\r\n";
        sol.bytes += p.label + "\r\n" + p.solution + "\r\n";
    }
    // The solution file goes first, so the library never names a puzzle without a solution.
    if (std::string error = replaceFile(solPath, sol.bytes); !error.empty())
        return error;
    return replaceFile(libPath, lib.bytes);
}

}  // namespace biblioteca
