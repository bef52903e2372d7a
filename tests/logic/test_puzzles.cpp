// Start-up, the random draw, new game, the difficulty commands, and files that do not fit.
// SPDX-FileCopyrightText: 2026 Equipo de Cuadrix
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/logic/game_fixture.h"

TEST_F(GameTest, StartUpPlacesAnEasyPuzzleAndEachNewGameRewritesEveryCellWithPuzzleOneOrTwo)
{
    EXPECT_EQ(ws.status, "Bienbenido a Cuadrix! Todo listo para jugar");
    EXPECT_EQ(board(), placed(puzzleLine(), white({1}, 'f')));
    // The draw's number r deals puzzle Int(2 r) + 1 (a number of 1, which the clock's never gives, the last).
    for (const auto& [r, label, shift] : {std::tuple{0.49, "Facil 1", 0}, {0.5, "Facil 2", 3}, {1.0, "Facil 2", 3}}) {
        game.random = [r = r] { return r; };
        ws.cells.fill({"x", true, true, colorFijo, fondoError});
        game.nuevo_sudoku_Click();
        EXPECT_EQ(game.idSudoku, label);
        EXPECT_EQ(board(), placed(puzzleLine(shift))) << r;
    }
}

// A difficulty command takes effect at the next new game, whose puzzle solve then reads the solution of.
TEST_F(GameTest, EachLevelIsTickedAtOnceAndPlayedFromTheNextNewGame)
{
    const std::tuple<Game::Command, std::string, std::string, int> choices[] = {
        {&Game::dificil_Click, "Dificultad: Dificil, nueva partida para cambiar", "--x", 2},
        {&Game::medio_Click, "Dificultad: Media, nueva partida para cambiar", "-x-", 1}};
    for (const auto& [command, status, marks, shift] : choices) {
        const std::string before = board();
        (game.*command)();
        EXPECT_EQ(ws.status, status);
        EXPECT_EQ(ws.checked, marks);
        EXPECT_EQ(board(), before);
        game.nuevo_sudoku_Click();
        EXPECT_EQ(ws.status, "Nuevo SuDoku Cargado");
        EXPECT_EQ(board(), placed(puzzleLine(shift)));
        game.solucionar_sudoku_Click();
        EXPECT_EQ(board().substr(0, 81), solutionLine(shift));
    }
}

// LF line ends, a header longer than the reading buffer, a puzzle line longer than 81 characters.
TEST_F(GameTest, ALibraryOfLfLinesAndALongHeaderIsRead)
{
    writeBytes(folder.game("facil.sdk"),
               std::string(70000, 'x') + "\nUno\n" + puzzleLine(8) + "1\nDos\n" + puzzleLine(7));
    game.nuevo_sudoku_Click();
    EXPECT_EQ(game.idSudoku, "Uno");
    EXPECT_EQ(board().substr(0, 81), puzzleLine(8));
}

// Each command reads its file whole before it changes anything: one that does not fit is reported and leaves the game
// as it was. Medium is ticked for the next game while easy is played.
TEST_F(GameTest, FilesThatDoNotFitAreReportedAndChangeNothing)
{
    type(1, vk::Digit0 + 4, 12);
    ws.cells[6].back = fondoError;
    game.medio_Click();
    const auto N = &Game::nuevo_sudoku_Click, S = &Game::solucionar_sudoku_Click, R = &Game::reiniciar_sudoku_Click,
               L = &Game::cargar_sudoku_Click;
    const std::string id = game.idSudoku, good = puzzleLine();
    const std::tuple<Game::Command, std::string, std::vector<std::string>, std::string> cases[] = {
        // The draw deals record 2 here: both records are checked.
        {N,
         "medio",
         {"solo cabecera", "Medio 1", good},
         "El fichero de sudokus @/game/medio.sdk está dañado o incompleto."},
        {N, "medio", {}, "No se encuentra el fichero de sudokus @/game/medio.sdk."},
        {S,
         "sol_fac",
         {"otra cosa", solutionLine()},
         "El sudoku del tablero no está en el fichero @/game/sol_fac.sdk."},
        {S, "sol_fac", {"x", id}, "El fichero @/game/sol_fac.sdk está dañado o incompleto."},
        {R, "facil", {id, good.substr(0, 80)}, "El fichero @/game/facil.sdk está dañado o incompleto."},
        {L, "partida", {}, "No hay partida guardada."},
        {L,
         "partida",
         {"Facil 1", "f", "x" + good.substr(1)},
         "La partida guardada @/game/partida.sdk está dañada o incompleta."},
        {L,
         "partida",
         {good, "f", good},
         "El sudoku buscado no está en el fichero @/game/facil.sdk."},  // a label, not a puzzle
    };
    const auto state = [this] { return board() + game.idSudoku + game.dificultadActual + game.dificultadElegida; };
    const std::string before = state();
    game.random = [] { return 0.7; };
    for (const auto& [command, file, lines, prompt] : cases) {
        writeFile(file + ".sdk", lines);
        EXPECT_EQ(shown(command), said(prompt));
        EXPECT_EQ(state(), before) << file;
        EXPECT_EQ(ws.status, "Dificultad: Media, nueva partida para cambiar") << file;
        writeLibraries();
    }
}
