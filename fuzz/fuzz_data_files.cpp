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
#include <sstream>

#include "app/game.h"
#include "tests/logic/fake_window_system.h"
#include "tests/support.h"

using Lines = std::vector<std::string>;
using Digits = std::optional<std::string>;

void require(bool ok, const std::string& why) { ok || (std::fprintf(stderr, "invariant broken: %s\n", why.c_str()), std::abort(), 0); }

// The lines as the game reads them: split at LF, a CR before the LF dropped.
Lines linesOf(const std::optional<std::string>& bytes)
{
    Lines lines;
    std::istringstream in(bytes.value_or(""));
    for (std::string line; std::getline(in, line);)
        lines.push_back(in.eof() || line.empty() || line.back() != '\r' ? line : line.substr(0, line.size() - 1));
    return lines;
}

// The first 81 characters of a digit line.
Digits digits(const std::string& s)
{
    const bool ok = s.size() >= 81 && std::all_of(s.begin(), s.begin() + 81, [](unsigned char c) { return std::isdigit(c); });
    return ok ? Digits(s.substr(0, 81)) : Digits();
}

// The digit line after the first of lines first, first + step, ... that equals key.
Digits digitLineAfter(const Lines& lines, const std::string& key, std::size_t first, std::size_t step)
{
    for (std::size_t i = first; i < lines.size(); i += step)
        if (lines[i] == key)
            return i + 1 < lines.size() ? digits(lines[i + 1]) : Digits();
    return Digits();
}

// One command run on a game in progress: typed and given digits, a cell marked wrong.
struct Run {
    FakeWindowSystem ws;
    Game game{ws};
    std::string before;

    Run(const std::string& folder, const std::string& id, const std::string& current, const std::string& chosen,
        void (Game::*command)())
    {
        ws.folder = folder;
        game.idSudoku = id, game.dificultadActual = current, game.dificultadElegida = chosen, game.puzzleOnBoard = true;
        for (int k = 1; k <= 81; ++k) {
            game.tablero[rowOf(k)][columnOf(k)] = static_cast<std::int16_t>(k % 10);
            ws.setCellText(k, k % 10 ? std::to_string(k % 10) : ""), ws.setCellLocked(k, k % 3 == 0);
        }
        ws.setCellBackColor(40, fondoError), ws.setStatusText("Partida en curso");
        before = state();
        (game.*command)();
    }
    std::string digitsOnBoard() const
    {
        std::string s;
        for (int k = 1; k <= 81; ++k)
            s += static_cast<char>('0' + game.tablero[rowOf(k)][columnOf(k)]);
        return s;
    }
    std::string state() const
    {
        std::string s = game.idSudoku + '|' + game.dificultadActual + '|' + game.dificultadElegida + '|' + ws.status;
        for (int k = 1; k <= 81; ++k)
            s += '|' + ws.cells[k].text + std::to_string(ws.cells[k].back) + std::to_string(ws.cells[k].fore)
               + (ws.cells[k].bold ? 'b' : '-') + (ws.cells[k].locked ? 'l' : '-');
        return s + digitsOnBoard() + (ws.checked.at(MenuItem::facil) ? 'f' : '-') + (ws.checked.at(MenuItem::medio) ? 'm' : '-');
    }
    // Either the expected digits are shown on the board with the status text, label and level, and, when givens
    // are known, the given cells locked, bold and red on white; or one box was shown and nothing changed. The
    // status text names the command in what a broken invariant says.
    void finished(const Digits& expected, const std::string& status, const Digits& givens, const std::string& id,
                  const std::string& current)
    {
        require(ws.boxes.empty() == expected.has_value(), status + (expected ? " refused" : " accepted"));
        if (!expected)
            require(ws.boxes[0].title == "Cuadrix!" && ws.boxes[0].buttons == Buttons::OK && state() == before,
                    status + ": failure");
        require(!expected || (digitsOnBoard() == *expected && ws.status == status && game.idSudoku == id
                              && game.dificultadActual == current), status + ": board");
        for (int k = 1; expected && k <= 81; ++k) {
            const bool given = givens && (*givens)[k - 1] != '0';
            const FakeCell& c = ws.cells[k];
            require(c.text == std::string((*expected)[k - 1] != '0', (*expected)[k - 1])
                        && (!givens || (c.locked == given && c.bold == given && c.back == fondoNormal
                                        && c.fore == (given ? colorFijo : colorJugador))), status + ": cell " + std::to_string(k));
        }
    }
};

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const support::ProgramFolder folder("fuzz");
    const std::string input(reinterpret_cast<const char*>(data), size), code(1, "fmdx"[size % 4]), root = folder.root;
    std::optional<std::string> parts[3];
    for (std::size_t k = 0, start = 0, end; k < 3 && start <= input.size(); ++k, start = end + 4)
        parts[k] = input.substr(start, (end = k < 2 ? std::min(input.find("@@@@", start), input.size()) : input.size()) - start);
    std::filesystem::remove_all(folder.root / "game"), std::filesystem::create_directory(folder.root / "game");
    const Level& level = levelOf(code);
    for (const auto& [name, part] : {std::pair<std::string, std::optional<std::string>>("partida.sdk", parts[0]),
                                     {fileName(level.libraryNom), parts[1]}, {fileName(level.solutionNom), parts[2]}})
        if (part)
            support::writeBytes(folder.game(name), *part);
    const Lines saved = linesOf(parts[0]), library = linesOf(parts[1]), solutions = linesOf(parts[2]);
    const std::string label = saved.empty() ? "" : saved[0];

    Run draw(root, "en curso", "d", code, &Game::nuevo_sudoku_Click);  // record 1 or 2, drawn at random
    const bool serves = library.size() >= 5 && digits(library[2]) && digits(library[4]);
    const std::size_t at = serves && draw.game.idSudoku == library[1] && draw.digitsOnBoard() == digits(library[2]) ? 2 : 4;
    const Digits drawn = serves ? digits(library[at]) : Digits();
    draw.finished(drawn, "Nuevo SuDoku Cargado", drawn, serves ? library[at - 1] : "", code);

    const bool whole = saved.size() >= 3 && digits(saved[2]) && &levelOf(saved[1]) == &level;
    const Digits record = whole ? digitLineAfter(library, label, 1, 2) : Digits();
    Run(root, "en curso", "f", "d", &Game::cargar_sudoku_Click)
        .finished(record ? digits(saved[2]) : Digits(), "SuDoku Cargado", record, label, record ? saved[1] : "");

    const Digits solution = digitLineAfter(solutions, label, 0, 1), puzzle = digitLineAfter(library, label, 0, 1);
    Run(root, label, code, "d", &Game::solucionar_sudoku_Click).finished(solution, "Sudoku Solucionado", Digits(), label, code);
    Run(root, label, code, "d", &Game::reiniciar_sudoku_Click).finished(puzzle, "Vuelve a intentarlo", puzzle, label, code);
    return 0;
}
