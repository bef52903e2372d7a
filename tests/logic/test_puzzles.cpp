// Start-up, the random draw, new game, the difficulty commands, and files that do not fit.
#include <algorithm>
#include <set>

#include "tests/logic/game_fixture.h"

TEST_F(GameTest, StartUpPlacesAnEasyPuzzleAndEachNewGameRewritesEveryCellWithPuzzleOneOrTwo)
{
    EXPECT_EQ(game.dificultadActual + game.dificultadElegida + ws.status, "ffBienbenido a Cuadrix! Todo listo para jugar");
    EXPECT_TRUE(ws.splash && ws.splashTimer && ws.boxes.empty());
    EXPECT_EQ(digits() + "|" + texts() + "|" + backs(), puzzleLine() + "|" + puzzleLine() + "|" + white({1}, 'f'));
    std::set<std::string> drawn;
    for (int n = 0; n < 200; ++n) {
        drawn.insert(game.idSudoku);
        ws.cells.fill({"x", true, true, colorFijo, fondoError});
        game.nuevo_sudoku_Click();
        ASSERT_EQ(digits() + "|" + texts() + "|" + backs() + "|" + looks(), puzzleLine() + "|" + puzzleLine() + "|" + white() + "|" + givens(puzzleLine()));
    }
    EXPECT_EQ(drawn, (std::set<std::string>{"Facil 1", "Facil 2"}));
    // LF line ends, a header longer than the reading buffer, a puzzle line longer than 81 characters.
    support::writeBytes(folder.game("facil.sdk"), std::string(70000, 'x') + "\nUno\n" + puzzleLine(3) + "123456789\nDos\n" + puzzleLine(3));
    game.nuevo_sudoku_Click();
    EXPECT_EQ(digits(), puzzleLine(3));
}

TEST_F(GameTest, DifficultyCommandsTakeEffectAtTheNextNewGame)
{
    struct Choice { void (Game::*command)(); std::string code, status, marks; int shift; };
    const Choice choices[] = {
        {&Game::dificil_Click, "d", "Dificultad: Dificil, nueva partida para cambiar", "--x", 2},
        {&Game::medio_Click, "m", "Dificultad: Media, nueva partida para cambiar", "-x-", 1},
        {&Game::facil_Click, "f", "Dificultad: Facil, nueva partida para cambiar", "x--", 0},
    };
    for (const Choice& c : choices) {
        ws.cells[5].back = fondoError;
        const std::string before = digits() + texts() + backs() + game.dificultadActual;
        (game.*c.command)();
        EXPECT_EQ(digits() + texts() + backs() + game.dificultadActual, before);
        EXPECT_EQ(game.dificultadElegida + "|" + ws.status + "|" + ws.checked, c.code + "|" + c.status + "|" + c.marks);
        game.nuevo_sudoku_Click();
        EXPECT_EQ(game.dificultadActual + game.dificultadElegida + ws.status, c.code + c.code + "Nuevo SuDoku Cargado");
        EXPECT_EQ(digits() + backs(), puzzleLine(c.shift) + white());
    }
}

// Each command reads its file whole before it changes anything: one that does not fit is
// reported and leaves the game as it was.
TEST_F(GameTest, FilesThatDoNotFitAreReportedAndChangeNothing)
{
    type(1, vk::Digit0 + 4, 12);
    ws.cells[6].back = fondoError;
    const auto N = &Game::nuevo_sudoku_Click, S = &Game::solucionar_sudoku_Click, R = &Game::reiniciar_sudoku_Click,
               L = &Game::cargar_sudoku_Click;
    const std::string id = game.idSudoku, good = puzzleLine(), solution = solutionLine();
    auto at = [this](const char* name) { return folder.game(name).string(); };
    auto damaged = [](const std::string& file) { return "El " + file + " está dañado o incompleto."; };
    auto missing = [](const std::string& file) { return "No se encuentra el " + file + "."; };
    const std::string library = "fichero de sudokus " + at("facil.sdk"), solutions = "fichero " + at("sol_fac.sdk");
    const std::string saved = "La partida guardada " + at("partida.sdk"), notFound = "El sudoku buscado no está en el fichero ";
    struct Case { void (Game::*command)(); std::vector<std::string> lines; std::string prompt; };
    const Case cases[] = {
        {N, {"solo cabecera", "Facil 1", good}, damaged(library)},  // the draw may need record 2
        {N, {"cabecera", "Facil 1", good, "Facil 2", good.substr(0, 80)}, damaged(library)},
        {N, {"cabecera", "Facil 1", "x" + good.substr(1), "Facil 2", good}, damaged(library)},
        {N, {"cabecera"}, damaged(library)},
        {N, {"<carpeta>"}, "No se puede leer el " + library + ": es una carpeta."},
        {N, {}, missing(library)},
        {S, {"otra cosa", solution}, "El sudoku del tablero no está en el fichero " + at("sol_fac.sdk") + "."},
        {S, {"x", id}, damaged(solutions)},
        {S, {id, "x" + solution}, damaged(solutions)},
        {R, {id, good.substr(0, 80)}, damaged("fichero " + at("facil.sdk"))},
        {R, {}, missing("fichero " + at("facil.sdk"))},
        {L, {}, "No hay partida guardada."},
        {L, {"<carpeta>"}, "No se puede leer la partida guardada " + at("partida.sdk") + ": es una carpeta."},
        {L, {"Facil 1", "f"}, saved + " está dañada o incompleta."},
        {L, {"Facil 1", "f", good.substr(0, 80)}, saved + " está dañada o incompleta."},
        {L, {"Facil 1", "f", "x" + good.substr(1)}, saved + " está dañada o incompleta."},
        {L, {"Medio 1", "f", good}, notFound + at("facil.sdk") + "."},
        {L, {"Nadie", "m", good}, notFound + at("medio.sdk") + "."},
        {L, {"facil 1", "f", good}, notFound + at("facil.sdk") + "."},
        {L, {"Facil 1 ", "f", good}, notFound + at("facil.sdk") + "."},
    };
    for (const auto& [command, lines, prompt] : cases) {
        writeFile(command == S ? "sol_fac.sdk" : command == L ? "partida.sdk" : "facil.sdk", lines);
        const std::string before = snapshot();
        ws.boxes.clear();
        (game.*command)();
        EXPECT_EQ(snapshot(), before) << prompt;
        EXPECT_EQ(ws.prompts(), prompt + "\n");
        writeLibraries();
    }
}

// Before any cell had the focus there is nothing to commit; with no puzzle on the board restart,
// solve and save only say so, and the exit saves nothing.
TEST_F(GameTest, WithoutALibraryTheGameStartsOnAnEmptyBoardAndCommandsSayThereIsNoPuzzle)
{
    writeFile("facil.sdk", {});
    FakeWindowSystem fresh;
    fresh.folder = ws.folder;
    Game other(fresh);
    other.Form_Load();
    EXPECT_EQ(fresh.status, "Bienbenido a Cuadrix! Todo listo para jugar");
    EXPECT_TRUE(std::all_of(fresh.cells.begin(), fresh.cells.end(), [](const FakeCell& c) { return c.text.empty(); }));
    fresh.cells[1].text = "x";
    fresh.answers = {Answer::OK, Answer::OK, Answer::OK, Answer::Yes};
    for (auto command : {&Game::check_Click, &Game::reiniciar_sudoku_Click, &Game::solucionar_sudoku_Click,
                         &Game::guardar_sudoku_Click, &Game::salir_Click})
        (other.*command)();
    const std::string none = "No hay ningún sudoku en el tablero. Elige \"Nuevo Sudoku\" o \"Cargar Partida\".\n";
    EXPECT_EQ(fresh.prompts(), "No se encuentra el fichero de sudokus " + folder.game("facil.sdk").string() + ".\n" + none + none + none
                                 + "Desea guardar la partida?\n");
    EXPECT_TRUE(fresh.ended && !fs::exists(folder.game("partida.sdk")));
}
