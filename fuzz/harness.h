// Shared parts of the fuzz targets: a temporary program folder, a game in progress on the fake
// window system, a plain reading of the files to know what a command should do, and the check
// that a command either succeeded with a consistent board or showed one box and changed nothing.
#pragma once

#include <stdlib.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "app/game.h"
#include "tests/logic/fake_window_system.h"

namespace fuzz {

namespace fs = std::filesystem;

// Stops the run with the reason; libFuzzer keeps the input that got here.
[[noreturn]] inline void fail(const std::string& why)
{
    std::fprintf(stderr, "invariant broken: %s\n", why.c_str());
    std::abort();
}
inline void require(bool condition, const std::string& why)
{
    if (!condition)
        fail(why);
}

// How the commands of this run ended, printed when the run ends.
struct Outcomes {
    long succeeded = 0, refused = 0;
    ~Outcomes() { std::fprintf(stderr, "outcomes: %ld commands succeeded, %ld refused with one box\n", succeeded, refused); }
};
inline Outcomes& outcomes()
{
    static Outcomes counts;
    return counts;
}

// An input that holds several files separates them with this marker. A part that is not there
// (fewer markers than files) is a missing file; the last part takes the rest of the input.
inline const std::string kSeparator = "@@@@";

inline std::vector<std::optional<std::string>> splitInput(const std::uint8_t* data, std::size_t size, std::size_t parts)
{
    const std::string input(reinterpret_cast<const char*>(data), size);
    std::vector<std::optional<std::string>> out(parts);
    std::size_t start = 0;
    for (std::size_t k = 0; k < parts; ++k) {
        const std::size_t end = k + 1 == parts ? std::string::npos : input.find(kSeparator, start);
        if (end == std::string::npos) {
            out[k] = input.substr(start);
            break;
        }
        out[k] = input.substr(start, end - start);
        start = end + kSeparator.size();
    }
    return out;
}

// The lines of a file as the game reads them: split at LF, one CR before the LF dropped, a last
// line without LF kept, nothing after a final LF.
inline std::vector<std::string> linesOf(const std::string& bytes)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find('\n', start);
        const bool ended = end != std::string::npos;
        if (!ended)
            end = bytes.size();
        std::string line = bytes.substr(start, end - start);
        if (ended && !line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(std::move(line));
        start = end + 1;
    }
    return lines;
}

inline bool startsWith81Digits(const std::string& line)
{
    if (line.size() < 81)
        return false;
    for (int k = 0; k < 81; ++k)
        if (line[k] < '0' || line[k] > '9')
            return false;
    return true;
}

// The puzzle after the first label line (lines 1, 3, 5, ...) equal to label, if it is a digit line.
inline std::optional<std::string> recordOf(const std::vector<std::string>& lines, const std::string& label)
{
    for (std::size_t i = 1; i < lines.size(); i += 2)
        if (lines[i] == label)
            return i + 1 < lines.size() && startsWith81Digits(lines[i + 1]) ? std::optional(lines[i + 1].substr(0, 81))
                                                                         : std::nullopt;
    return std::nullopt;
}

// The line after the first line of all equal to key, if it is a digit line.
inline std::optional<std::string> keyLineOf(const std::vector<std::string>& lines, const std::string& key)
{
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (lines[i] == key)
            return i + 1 < lines.size() && startsWith81Digits(lines[i + 1]) ? std::optional(lines[i + 1].substr(0, 81))
                                                                         : std::nullopt;
    return std::nullopt;
}

inline Tablero tableroOf(const std::string& digits)
{
    Tablero t{};
    for (int k = 1; k <= 81; ++k)
        t[rowOf(k)][columnOf(k)] = static_cast<std::int16_t>(digits[k - 1] - '0');
    return t;
}

inline std::string readBytes(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// A program folder of this process, removed at exit.
class ProgramFolder {
public:
    ProgramFolder()
    {
        std::string pattern = (fs::temp_directory_path() / "cuadrix-fuzz-XXXXXX").string();
        if (!::mkdtemp(pattern.data()))
            fail("cannot create a temporary folder");
        root_ = pattern;
        fs::create_directories(root_ / "game");
    }
    ProgramFolder(const ProgramFolder&) = delete;
    ProgramFolder& operator=(const ProgramFolder&) = delete;
    ~ProgramFolder()
    {
        std::error_code ignored;
        fs::remove_all(root_, ignored);
    }
    std::string path() const { return root_.string(); }
    // Writes game/<name>, or removes it when there is no content.
    void put(const std::string& name, const std::optional<std::string>& bytes) const
    {
        const fs::path file = root_ / "game" / name;
        if (!bytes) {
            std::error_code ignored;
            fs::remove(file, ignored);
            return;
        }
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        out.write(bytes->data(), static_cast<std::streamsize>(bytes->size()));
        if (!out)
            fail("cannot write " + file.string());
    }

private:
    fs::path root_;
};

// The shipped data file game/<name> of the source tree.
inline const std::string& shippedFile(const std::string& name)
{
    static std::map<std::string, std::string> files;
    auto it = files.find(name);
    if (it == files.end()) {
        it = files.emplace(name, readBytes(fs::path(CUADRIX_SOURCE_DIR) / "game" / name)).first;
        require(!it->second.empty(), "shipped file game/" + name + " is missing");
    }
    return it->second;
}

// A folder holding the shipped libraries and solution files; the game in progress comes from it.
inline const ProgramFolder& shippedFolder()
{
    static const ProgramFolder folder;
    static const bool filled = [] {
        for (const char* name : {"facil.sdk", "medio.sdk", "dificil.sdk", "sol_fac.sdk", "sol_med.sdk", "sol_dif.sdk"})
            folder.put(name, shippedFile(name));
        return true;
    }();
    (void)filled;
    return folder;
}

// The first label of the shipped easy library.
inline const std::string& firstEasyLabel()
{
    static const std::string label = linesOf(shippedFile("facil.sdk")).at(1);
    return label;
}

// A game in progress: the first easy puzzle with three digits typed in, one cell marked wrong,
// the hard level chosen for the next game and a status line of its own.
inline void startGameInProgress(FakeWindowSystem& ws, Game& game)
{
    ws.game = &game;
    ws.folder = shippedFolder().path();
    game.dificultadActual = "f";
    game.dificultadElegida = "f";
    game.idSudoku = firstEasyLabel();
    if (!game.nuevoSudoku2())
        fail("the shipped easy library cannot start a game");
    int typed = 0;
    for (int k = 1; k <= 81 && typed < 3; ++k) {
        if (ws.cells[k].locked)
            continue;
        const int digit = 1 + (k * 5) % 9;
        ws.setCellText(k, std::string(1, static_cast<char>('0' + digit)));
        game.tablero[rowOf(k)][columnOf(k)] = static_cast<std::int16_t>(digit);
        ++typed;
    }
    ws.setCellBackColor(40, fondoError);
    game.dificil_Click();
    ws.setStatusText("Partida en curso");
    ws.boxes.clear();
}

// Everything a failed command must leave as it was.
struct Snapshot {
    Tablero tablero;
    std::string idSudoku, dificultadActual, dificultadElegida, status;
    std::vector<std::string> texts;
    std::vector<Colour> backs, fores;
    std::vector<bool> bold, locked;
    std::map<MenuItem, bool> checked;
    bool puzzleOnBoard;

    Snapshot(const FakeWindowSystem& ws, const Game& game)
        : tablero(game.tablero), idSudoku(game.idSudoku), dificultadActual(game.dificultadActual),
          dificultadElegida(game.dificultadElegida), status(ws.status), checked(ws.checked),
          puzzleOnBoard(game.puzzleOnBoard)
    {
        for (int k = 1; k <= 81; ++k) {
            texts.push_back(ws.cells[k].text);
            backs.push_back(ws.cells[k].back);
            fores.push_back(ws.cells[k].fore);
            bold.push_back(ws.cells[k].bold);
            locked.push_back(ws.cells[k].locked);
        }
    }
    bool operator==(const Snapshot& o) const
    {
        return tablero == o.tablero && idSudoku == o.idSudoku && dificultadActual == o.dificultadActual
            && dificultadElegida == o.dificultadElegida && status == o.status && texts == o.texts
            && backs == o.backs && fores == o.fores && bold == o.bold && locked == o.locked && checked == o.checked
            && puzzleOnBoard == o.puzzleOnBoard;
    }
};

// A failed command: exactly one box titled "Cuadrix!" and nothing else changed.
inline void requireFailedCleanly(const FakeWindowSystem& ws, const Game& game, const Snapshot& before, const char* command)
{
    const std::string what = command;
    require(ws.boxes.size() == 1, what + ": failed with " + std::to_string(ws.boxes.size()) + " boxes");
    require(ws.boxes[0].title == "Cuadrix!", what + ": box titled '" + ws.boxes[0].title + "'");
    require(ws.boxes[0].buttons == Buttons::OK, what + ": box with more than an OK button");
    require(Snapshot(ws, game) == before, what + ": the game changed although the command failed");
    ++outcomes().refused;
}

// The board after a successful command: the 81 digits of expected are on the board, and every
// cell shows its digit.
inline void requireBoard(const FakeWindowSystem& ws, const Game& game, const std::string& expected, const char* command)
{
    const std::string what = command;
    for (int k = 1; k <= 81; ++k) {
        const int v = game.tablero[rowOf(k)][columnOf(k)];
        require(v >= 0 && v <= 9, what + ": digit out of range in cell " + std::to_string(k));
        const std::string text = v == 0 ? "" : std::string(1, static_cast<char>('0' + v));
        require(ws.cells[k].text == text, what + ": cell " + std::to_string(k) + " shows '" + ws.cells[k].text
                                              + "' but holds " + std::to_string(v));
        require(expected[k - 1] - '0' == v, what + ": cell " + std::to_string(k) + " is not the file's digit");
    }
    ++outcomes().succeeded;
}

// The given cells of the puzzle are locked, bold and red; the others open, plain and black.
inline void requireGivensLocked(const FakeWindowSystem& ws, const std::string& puzzle, const char* command)
{
    const std::string what = command;
    for (int k = 1; k <= 81; ++k) {
        const bool given = puzzle[k - 1] != '0';
        const FakeCell& cell = ws.cells[k];
        require(cell.locked == given && cell.bold == given && cell.fore == (given ? colorFijo : colorJugador),
                what + ": cell " + std::to_string(k) + (given ? " is a given cell but not shown as one" : " is open but shown as a given cell"));
    }
}

inline void requireAllBacks(const FakeWindowSystem& ws, Colour colour, const char* command)
{
    for (int k = 1; k <= 81; ++k)
        require(ws.cells[k].back == colour, std::string(command) + ": background of cell " + std::to_string(k));
}

// The menu marks after a load of the difficulty code: a known code moves them, another leaves them.
inline void requireMarks(const FakeWindowSystem& ws, const std::string& code, const Snapshot& before, const char* command)
{
    const bool known = code == "f" || code == "m" || code == "d";
    std::map<MenuItem, bool> expected = before.checked;
    if (known)
        expected = {{MenuItem::facil, code == "f"}, {MenuItem::medio, code == "m"}, {MenuItem::dificil, code == "d"}};
    require(ws.checked == expected, std::string(command) + ": menu marks");
}

// Loads the saved game in folder on a game in progress and checks the outcome: refused cleanly
// when record (the library line of label) is missing, otherwise the saved game on the board.
inline void requireLoad(const ProgramFolder& folder, const std::optional<std::string>& record, const std::string& label,
                        const std::string& code, const std::string& board)
{
    FakeWindowSystem ws;
    Game game(ws);
    startGameInProgress(ws, game);
    ws.folder = folder.path();
    const Snapshot before(ws, game);

    game.cargar_sudoku_Click();

    if (!ws.boxes.empty()) {
        require(!record, "cargar_sudoku_Click refused a loadable saved game");
        requireFailedCleanly(ws, game, before, "cargar_sudoku_Click");
        return;
    }
    require(record.has_value(), "cargar_sudoku_Click loaded a saved game it should refuse");
    require(ws.status == "SuDoku Cargado", "cargar_sudoku_Click: status");
    require(game.idSudoku == label, "cargar_sudoku_Click: label");
    require(game.dificultadActual == code && game.dificultadElegida == code, "cargar_sudoku_Click: difficulty");
    requireMarks(ws, code, before, "cargar_sudoku_Click");
    requireBoard(ws, game, board, "cargar_sudoku_Click");
    for (int k = 1; k <= 81; ++k)
        require(ws.cells[k].locked == ((*record)[k - 1] != '0'), "cargar_sudoku_Click: lock of cell " + std::to_string(k));
    requireAllBacks(ws, fondoNormal, "cargar_sudoku_Click");
}

}  // namespace fuzz
