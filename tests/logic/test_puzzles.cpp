// Start-up, the random draw, new game, the difficulty commands, and files that do not fit.
// SPDX-FileCopyrightText: 2026 Equipo de Cuadrix
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/logic/game_fixture.h"

TEST_F(GameTest, StartUpPlacesAnEasyPuzzleAndEachNewGameRewritesEveryCellWithPuzzleOneOrTwoOfTheLevelChosen)
{
    EXPECT_EQ((ws.splash && ws.splashTimer ? "splash " : "") + game.dificultadActual + game.dificultadElegida
                  + ws.status + ws.asked + board(),
              "splash ffBienbenido a Cuadrix! Todo listo para jugar" + placed(puzzleLine(), white({1}, 'f')));
    // The draw's number r deals puzzle Int(2 r) + 1 (a number of 1, which the clock's never gives, the last).
    for (const auto& [r, label, shift] : {std::tuple{0.0, "Facil 1", 0},
                                          {0.49, "Facil 1", 0},
                                          {0.5, "Facil 2", 3},
                                          {0.99, "Facil 2", 3},
                                          {1.0, "Facil 2", 3}}) {
        game.random = [r = r] { return r; };
        ws.cells.fill({"x", true, true, colorFijo, fondoError});
        game.nuevo_sudoku_Click();
        EXPECT_EQ(game.idSudoku + board(), label + placed(puzzleLine(shift))) << r;
    }
    // The difficulty commands take effect at the next new game.
    const std::tuple<void (Game::*)(), std::string, std::string, std::string, int> choices[] = {
        {&Game::dificil_Click, "d", "Dificultad: Dificil, nueva partida para cambiar", "--x", 5},
        {&Game::medio_Click, "m", "Dificultad: Media, nueva partida para cambiar", "-x-", 4},
        {&Game::facil_Click, "f", "Dificultad: Facil, nueva partida para cambiar", "x--", 3},
    };
    for (const auto& [command, code, status, marks, shift] : choices) {
        const std::string before = board() + game.dificultadActual;
        (game.*command)();
        EXPECT_EQ(board() + game.dificultadActual + "|" + game.dificultadElegida + "|" + ws.status + "|" + ws.checked,
                  before + "|" + code + "|" + status + "|" + marks);
        game.nuevo_sudoku_Click();
        EXPECT_EQ(game.dificultadActual + game.dificultadElegida + ws.status + board(),
                  code + code + "Nuevo SuDoku Cargado" + placed(puzzleLine(shift)));
    }
    // LF line ends, a header longer than the reading buffer, a puzzle line longer than 81 characters.
    support::writeBytes(folder.game("facil.sdk"),
                        std::string(70000, 'x') + "\nUno\n" + puzzleLine(8) + "1\nDos\n" + puzzleLine(7));
    game.random = [] { return 0.0; };
    game.nuevo_sudoku_Click();
    EXPECT_EQ(game.idSudoku + digits(), "Uno" + puzzleLine(8));
}

// Each command reads its file whole before it changes anything: one that does not fit is
// reported and leaves the game as it was. Medium is ticked for the next game while easy is played.
TEST_F(GameTest, FilesThatDoNotFitAreReportedAndChangeNothing)
{
    type(1, vk::Digit0 + 4, 12);
    ws.cells[6].back = fondoError;
    game.medio_Click();
    const auto N = &Game::nuevo_sudoku_Click, S = &Game::solucionar_sudoku_Click, R = &Game::reiniciar_sudoku_Click,
               L = &Game::cargar_sudoku_Click;
    const std::string id = game.idSudoku, good = puzzleLine();
    // "@/": the game folder.
    struct Case {
        void (Game::*command)();
        std::vector<std::string> lines;
        std::string prompt;
    };
    const Case cases[] = {
        // The draw deals record 2 here: both records are checked.
        {N, {"solo cabecera", "Medio 1", good}, "El fichero de sudokus @/medio.sdk está dañado o incompleto."},
        {N, {}, "No se encuentra el fichero de sudokus @/medio.sdk."},
        {S, {"otra cosa", solutionLine()}, "El sudoku del tablero no está en el fichero @/sol_fac.sdk."},
        {S, {"x", id}, "El fichero @/sol_fac.sdk está dañado o incompleto."},
        {R, {id, good.substr(0, 80)}, "El fichero @/facil.sdk está dañado o incompleto."},
        {L, {}, "No hay partida guardada."},
        {L, {"Facil 1", "f"}, "La partida guardada @/partida.sdk está dañada o incompleta."},
        {L, {"Facil 1", "f", "x" + good.substr(1)}, "La partida guardada @/partida.sdk está dañada o incompleta."},
        {L, {"Nadie", "d", good}, "El sudoku buscado no está en el fichero @/dificil.sdk."},
        {L, {good, "f", good}, "El sudoku buscado no está en el fichero @/facil.sdk."},  // a label, not a puzzle line
    };
    // The game on the board and around it.
    const auto snapshot = [&] {
        return board() + game.idSudoku + "|" + game.dificultadActual + game.dificultadElegida + ws.status + ws.checked;
    };
    game.random = [] { return 0.7; };
    for (const auto& [command, lines, prompt] : cases) {
        writeFile(command == S       ? "sol_fac.sdk"
                      : command == L ? "partida.sdk"
                      : command == N ? "medio.sdk"
                                     : "facil.sdk",
                  lines);
        const std::string before = snapshot();
        ws.asked.clear();
        (game.*command)();
        EXPECT_EQ(snapshot() + "|" + ws.asked, before + "|" + box(support::inGame(prompt, folder.root / "game")));
        writeLibraries();
    }
}
