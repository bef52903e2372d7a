// Fuzzes every reader of the data files through the commands: the input is a saved game, a library and a solution file.
//
// Input: partida.sdk @@@@ library @@@@ solution file (a part left out is a missing file); the input length picks
// the level the two files belong to ("x": an unknown code, which reads the easy files). On a game in progress, new
// game, load, solve and restart must each either show one box titled "Cuadrix!" and change nothing, or show a
// status text over a consistent board: each cell shows its digit, which the game knows it shows, locked cells are bold
// and red and the others neither, and after new game and restart exactly the puzzle's digits are locked. A broken
// invariant aborts at its line of this file, whatever the build type.
// SPDX-FileCopyrightText: 2026 Equipo de Cuadrix
// SPDX-License-Identifier: GPL-3.0-or-later
#undef NDEBUG
#include <algorithm>
#include <cassert>
#include <tuple>

#include "app/game.h"
#include "tests/logic/fake_window_system.h"
#include "tests/support.h"

auto fields(const FakeCell& c) { return std::tie(c.text, c.bold, c.locked, c.fore, c.back); }
bool operator==(const FakeCell& a, const FakeCell& b) { return fields(a) == fields(b); }

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const support::ProgramFolder folder("fuzz");
    const std::string input(reinterpret_cast<const char*>(data), size), code(1, "fmdx"[size % 4]);
    const std::string names[] = {"partida.sdk", fileName(levelOf(code).libraryNom),
                                 fileName(levelOf(code).solutionNom)};
    for (std::size_t k = 0, start = 0, end = 0; k < 3 && start <= size; ++k, start = end + 4) {
        end = k < 2 ? std::min(input.find("@@@@", start), size) : size;
        support::writeBytes(folder.game(names[k]), input.substr(start, end - start));
    }
    for (const auto command : {&Game::nuevo_sudoku_Click, &Game::cargar_sudoku_Click, &Game::solucionar_sudoku_Click,
                               &Game::reiniciar_sudoku_Click}) {
        FakeWindowSystem ws;
        Game game(ws);
        const auto state = [&] {
            return std::make_tuple(game.tablero, game.idSudoku, game.dificultadActual, game.dificultadElegida, ws.cells,
                                   ws.status, ws.checked);
        };
        // A game in progress, on the saved game's label (which solve and restart look for): a digit typed in the first
        // cell and marked wrong.
        ws.folder = folder.root.string();
        game.idSudoku = input.substr(0, input.find_first_of("\r\n"));
        game.dificultadActual = game.dificultadElegida = code;
        game.puzzleOnBoard = true;
        game.tablero[1][1] = 5;
        ws.cells[1] = {"5", false, false, colorJugador, fondoError};
        game.texts[1] = "5";
        const auto before = state();
        (game.*command)();
        const bool failed =
            std::count(ws.asked.begin(), ws.asked.end(), '\n') == 1 && ws.asked.rfind("Cuadrix!|OK|", 0) == 0;
        // New game and restart put a puzzle on the board: its digits are the cells locked.
        const bool placesPuzzle = command == &Game::nuevo_sudoku_Click || command == &Game::reiniciar_sudoku_Click;
        assert(failed ? state() == before : ws.asked.empty() && !ws.status.empty());
        for (int k = 1; k <= 81 && !failed; ++k) {
            const int digit = game.tablero[rowOf(k)][columnOf(k)];
            const FakeCell& cell = ws.cells[k];
            assert(cell.text == (digit ? std::to_string(digit) : "") && game.texts[k] == cell.text);
            assert(cell.locked == cell.bold && cell.bold == (cell.fore == colorFijo));
            assert(!placesPuzzle || cell.locked == !!digit);
        }
    }
    return 0;
}
