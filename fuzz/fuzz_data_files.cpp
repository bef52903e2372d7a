// Fuzzes every reader of the data files through the commands: the input is a saved game, a library and a solution file.
//
// Input: partida.sdk @@@@ library @@@@ solution file (a part left out is a missing file); the input length picks
// the level the two files belong to ("x": an unknown code, which reads the easy files). On a game in progress, new
// game, load, solve and restart must each either show one box titled "Cuadrix!" and change nothing, or show a
// status text over a board whose cells each show the digit the game holds for them. A broken invariant aborts at its
// line of this file, whatever the build type.
// SPDX-FileCopyrightText: 2026 Equipo de Cuadrix
// SPDX-License-Identifier: GPL-3.0-or-later
#undef NDEBUG
#include <cassert>

#include "app/game.h"
#include "tests/logic/fake_window_system.h"
#include "tests/support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const support::ProgramFolder folder("fuzz");
    const std::string input(reinterpret_cast<const char*>(data), size), code(1, "fmdx"[size % 4]);
    const Level& level = levelOf(code);
    std::size_t start = 0;
    const std::string names[] = {partidaNom, level.libraryNom, level.solutionNom};
    for (const std::string& name : names) {
        const std::size_t end = name == level.solutionNom ? size : std::min(input.find("@@@@", start), size);
        if (start <= size)
            support::writeBytes(folder.game(fileName(name)), input.substr(start, end - start));
        start = end + 4;
    }
    for (const Game::Command command : {&Game::nuevo_sudoku_Click, &Game::cargar_sudoku_Click,
                                        &Game::solucionar_sudoku_Click, &Game::reiniciar_sudoku_Click}) {
        FakeWindowSystem ws;
        Game game(ws);
        const auto state = [&] {
            return std::make_tuple(game.tablero, game.idSudoku, game.dificultadActual, game.dificultadElegida,
                                   game.texts, ws.status, ws.checked);
        };
        // A game in progress, on the saved game's label (which solve and restart look for): a digit typed in the first
        // cell.
        ws.folder = folder.root.string();
        game.idSudoku = input.substr(0, input.find_first_of("\r\n"));
        game.dificultadActual = game.dificultadElegida = code;
        game.puzzleOnBoard = true;
        game.tablero[1][1] = 5;
        ws.cells[1].text = game.texts[1] = "5";
        const auto before = state();
        (game.*command)();
        if (ws.asked.find('\n') + 1 == ws.asked.size() && ws.asked.rfind("Cuadrix!|OK|", 0) == 0) {
            assert(state() == before);
            continue;
        }
        assert(ws.asked.empty() && !ws.status.empty());
        for (int k = 1; k <= 81; ++k) {
            const int digit = game.tablero[rowOf(k)][columnOf(k)];
            assert(ws.cells[k].text == (digit ? std::to_string(digit) : "") && game.texts[k] == ws.cells[k].text);
        }
    }
    return 0;
}
