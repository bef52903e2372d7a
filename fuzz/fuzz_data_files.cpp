// Fuzzes every reader of the data files through the commands: the input is a saved game, a library and a solution file.
//
// Input: partida.sdk @@@@ library @@@@ solution file (a part left out is a missing file); the input length picks
// the level the two files belong to ("x": an unknown code, which reads the easy files). On a game in progress,
// new game, load, solve and restart (the last two for the saved game's label) must each either do what a plain
// reading of the files says, or show one box titled "Cuadrix!" and change nothing.
#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <optional>

#include "tests/logic/fake_window_system.h"
#include "tests/support.h"

namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;
using Digits = std::optional<std::string>;

void require(bool ok, const std::string& why)
{
    if (!ok) {
        std::fprintf(stderr, "invariant broken: %s\n", why.c_str());
        std::abort();
    }
}

// The lines as the game reads them: split at LF, a CR before the LF dropped.
Lines linesOf(const std::optional<std::string>& bytes)
{
    Lines lines;
    for (std::size_t start = 0; bytes && start < bytes->size();) {
        const std::size_t lf = std::min(bytes->find('\n', start), bytes->size());
        lines.push_back(bytes->substr(start, lf - start));
        if (lf < bytes->size() && !lines.back().empty() && lines.back().back() == '\r')
            lines.back().pop_back();
        start = lf + 1;
    }
    return lines;
}

bool is81Digits(const std::string& s)
{
    return s.size() >= 81 && std::all_of(s.begin(), s.begin() + 81, [](unsigned char c) { return std::isdigit(c); });
}

// The digit line after the first of lines first, first + step, ... equal to key.
Digits digitLineAfter(const Lines& lines, const std::string& key, std::size_t first, std::size_t step)
{
    for (std::size_t i = first; i < lines.size(); i += step)
        if (lines[i] == key)
            return i + 1 < lines.size() && is81Digits(lines[i + 1]) ? Digits(lines[i + 1].substr(0, 81)) : Digits();
    return Digits();
}

// Everything a failed command must leave as it was.
std::string state(const FakeWindowSystem& ws, const Game& g)
{
    std::string s = g.idSudoku + '|' + g.dificultadActual + '|' + g.dificultadElegida + '|' + ws.status + '|';
    for (const auto& [item, on] : ws.checked)
        s += on ? '1' : '0';
    for (int k = 1; k <= 81; ++k)
        s += '|' + ws.cells[k].text + std::to_string(g.tablero[rowOf(k)][columnOf(k)]) + std::to_string(ws.cells[k].back)
           + std::to_string(ws.cells[k].fore) + (ws.cells[k].bold ? 'b' : '-') + (ws.cells[k].locked ? 'l' : '-');
    return s;
}

// What a cell of the game in progress shows before a command.
std::string textBefore(int k) { return k % 10 ? std::to_string(k % 10) : ""; }

struct Run {
    FakeWindowSystem ws;
    Game game{ws};
    std::string before;

    // A game in progress: typed and given digits, a cell marked wrong, a level chosen for the next game.
    Run(const std::string& folder, const std::string& id, const std::string& current, const std::string& chosen)
    {
        ws.folder = folder;
        game.idSudoku = id;
        game.dificultadActual = current;
        game.dificultadElegida = chosen;
        for (int k = 1; k <= 81; ++k) {
            game.tablero[rowOf(k)][columnOf(k)] = static_cast<std::int16_t>(k % 10);
            ws.setCellText(k, textBefore(k));
            ws.setCellLocked(k, k % 3 == 0);
        }
        ws.setCellBackColor(40, fondoError);
        game.puzzleOnBoard = true;
        ws.setStatusText("Partida en curso");
        before = state(ws, game);
    }
    bool holds(const std::string& line) const
    {
        for (int k = 1; k <= 81; ++k)
            if (game.tablero[rowOf(k)][columnOf(k)] != line[k - 1] - '0')
                return false;
        return true;
    }
    // After a command: it succeeded with the expected digits on the board, or showed one box and changed nothing.
    bool finished(const Digits& expected, const std::string& name)
    {
        require(ws.boxes.empty() == expected.has_value(), name + (expected ? " refused" : " accepted"));
        if (!expected) {
            require(ws.boxes[0].title == "Cuadrix!" && ws.boxes[0].buttons == Buttons::OK, name + ": box");
            require(state(ws, game) == before, name + " failed but changed the game");
            return false;
        }
        require(holds(*expected), name + ": tablero");
        for (int k = 1; k <= 81; ++k)
            require(ws.cells[k].text == ((*expected)[k - 1] == '0' ? "" : expected->substr(k - 1, 1)), name + ": text");
        return true;
    }
    // The given cells of line are locked, bold and red, the others open; every background is white.
    void requireGivensOf(const std::string& line, const std::string& name)
    {
        for (int k = 1; k <= 81; ++k) {
            const bool given = line[k - 1] != '0';
            const FakeCell& c = ws.cells[k];
            require(c.locked == given && c.bold == given && c.fore == (given ? colorFijo : colorJugador)
                        && c.back == fondoNormal, name + ": cell " + std::to_string(k));
        }
    }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const support::ProgramFolder folder("fuzz");
    const std::string input(reinterpret_cast<const char*>(data), size), code(1, "fmdx"[size % 4]);
    std::optional<std::string> parts[3];
    for (std::size_t k = 0, start = 0; k < 3 && start <= input.size(); ++k) {
        const std::size_t end = k == 2 ? input.size() : std::min(input.find("@@@@", start), input.size());
        parts[k] = input.substr(start, end - start);
        start = end + 4;
    }
    const Level& level = levelOf(code);
    for (const Level& other : levels()) {
        fs::remove(folder.game(fileName(other.libraryNom)));
        fs::remove(folder.game(fileName(other.solutionNom)));
    }
    fs::remove(folder.game("partida.sdk"));
    for (const auto& [name, part] : {std::pair("partida.sdk", parts[0]), std::pair(level.libraryNom, parts[1]),
                                     std::pair(level.solutionNom, parts[2])})
        if (part)
            support::writeBytes(folder.game(fileName(name)), *part);
    const Lines saved = linesOf(parts[0]), library = linesOf(parts[1]), solutions = linesOf(parts[2]);
    const std::string label = saved.empty() ? "" : saved[0], root = folder.root.string();

    Run draw(root, "en curso", "d", code);  // the new game takes record 1 or 2 at random
    draw.game.nuevo_sudoku_Click();
    Digits drawn;
    if (library.size() >= 5 && is81Digits(library[2]) && is81Digits(library[4]))
        drawn = library[draw.holds(library[2]) ? 2 : 4].substr(0, 81);
    if (draw.finished(drawn, "new game")) {
        require((draw.game.idSudoku == library[1] && *drawn == library[2].substr(0, 81))
                    || (draw.game.idSudoku == library[3] && *drawn == library[4].substr(0, 81)), "new game: label");
        require(draw.game.dificultadActual == code && draw.ws.status == "Nuevo SuDoku Cargado", "new game: status");
        draw.requireGivensOf(*drawn, "new game");
    }

    Run load(root, "en curso", "f", "d");
    load.game.cargar_sudoku_Click();
    const Digits record = saved.size() >= 3 && is81Digits(saved[2]) && &levelOf(saved[1]) == &level
                              ? digitLineAfter(library, label, 1, 2) : Digits();
    if (load.finished(record ? Digits(saved[2].substr(0, 81)) : Digits(), "load")) {
        require(load.game.idSudoku == label && load.game.dificultadActual == saved[1]
                    && load.game.dificultadElegida == saved[1] && load.ws.status == "SuDoku Cargado", "load: fields");
        const bool known = saved[1] == "f" || saved[1] == "m" || saved[1] == "d";
        for (const auto& [item, on] : load.ws.checked)
            require(on == (known ? saved[1] == levels()[static_cast<int>(item)].code : item == MenuItem::facil),
                    "load: menu marks");
        load.requireGivensOf(*record, "load");
    }

    Run solve(root, label, code, "d");
    solve.game.solucionar_sudoku_Click();
    const Digits solution = digitLineAfter(solutions, label, 0, 1);
    if (solve.finished(solution, "solve")) {
        require(solve.ws.status == "Sudoku Solucionado", "solve: status");
        for (int k = 1; k <= 81; ++k) {
            const std::string digit = (*solution)[k - 1] == '0' ? "" : solution->substr(k - 1, 1);
            const Colour back = digit.empty()            ? fondoNormal
                                : textBefore(k) != digit ? fondoError
                                : k % 3 == 0             ? fondoNormal
                                                         : fondoCorrecto;
            require(solve.ws.cells[k].back == back && solve.ws.cells[k].locked == (k % 3 == 0), "solve: cell colours");
        }
    }

    Run restart(root, label, code, "d");
    restart.game.reiniciar_sudoku_Click();
    const Digits puzzle = digitLineAfter(library, label, 0, 1);
    if (restart.finished(puzzle, "restart")) {
        require(restart.ws.status == "Vuelve a intentarlo", "restart: status");
        restart.requireGivensOf(*puzzle, "restart");
    }
    return 0;
}
