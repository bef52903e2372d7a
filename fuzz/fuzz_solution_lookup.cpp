// The key-line lookup of solve (solucionar_sudoku_Click, in the solution file) and restart
// (reiniciar_sudoku_Click, in the library), with fuzzed files and label.
// Input: label @@@@ solution file @@@@ library file; a missing part is a missing file. The input
// length picks the difficulty of the game in progress.
#include "fuzz/harness.h"
#include "puzzles/library.h"


namespace {

using namespace fuzz;

// The game in progress with the fuzzed label and difficulty, reading the fuzzed folder.
void start(FakeWindowSystem& ws, Game& game, const ProgramFolder& folder, const std::string& label, const std::string& code)
{
    startGameInProgress(ws, game);
    ws.folder = folder.path();
    game.idSudoku = label;
    game.dificultadActual = code;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const ProgramFolder folder;
    const auto parts = splitInput(data, size, 3);
    const std::string label = parts[0].value_or("");
    const std::string code = std::string("fmd").substr(size % 3, 1);
    folder.put(fileName(levelOf(code).solutionNom), parts[1]);
    folder.put(fileName(levelOf(code).libraryNom), parts[2]);

    {
        FakeWindowSystem ws;
        Game game(ws);
        start(ws, game, folder, label, code);
        const Snapshot before(ws, game);
        const std::optional<std::string> solution = parts[1] ? keyLineOf(linesOf(*parts[1]), label) : std::nullopt;

        game.solucionar_sudoku_Click();

        if (!ws.boxes.empty()) {
            require(!solution, "solucionar_sudoku_Click refused a solution file that holds the label");
            requireFailedCleanly(ws, game, before, "solucionar_sudoku_Click");
        } else {
            require(solution.has_value(), "solucionar_sudoku_Click solved without a solution line");
            require(ws.status == "Sudoku Solucionado", "solucionar_sudoku_Click: status");
            requireBoard(ws, game, *solution, "solucionar_sudoku_Click");
            for (int k = 1; k <= 81; ++k) {
                const std::string digit = (*solution)[k - 1] == '0' ? "" : solution->substr(k - 1, 1);
                // A digit that changes is marked wrong, a right digit of the player right.
                const Colour back = digit.empty() ? fondoNormal
                                    : before.texts[k - 1] != digit ? fondoError
                                    : before.locked[k - 1]         ? fondoNormal
                                                                   : fondoCorrecto;
                require(ws.cells[k].back == back, "solucionar_sudoku_Click: background of cell " + std::to_string(k));
                require(ws.cells[k].locked == before.locked[k - 1] && ws.cells[k].bold == before.bold[k - 1]
                            && ws.cells[k].fore == before.fores[k - 1],
                        "solucionar_sudoku_Click: given cells changed");
            }
            require(game.idSudoku == label && game.dificultadActual == code && ws.checked == before.checked,
                    "solucionar_sudoku_Click changed more than the board");
        }
    }
    {
        FakeWindowSystem ws;
        Game game(ws);
        start(ws, game, folder, label, code);
        const Snapshot before(ws, game);
        const std::optional<std::string> puzzle = parts[2] ? keyLineOf(linesOf(*parts[2]), label) : std::nullopt;

        game.reiniciar_sudoku_Click();

        if (!ws.boxes.empty()) {
            require(!puzzle, "reiniciar_sudoku_Click refused a library that holds the label");
            requireFailedCleanly(ws, game, before, "reiniciar_sudoku_Click");
        } else {
            require(puzzle.has_value(), "reiniciar_sudoku_Click restarted without a puzzle line");
            require(ws.status == "Vuelve a intentarlo", "reiniciar_sudoku_Click: status");
            requireBoard(ws, game, *puzzle, "reiniciar_sudoku_Click");
            requireGivensLocked(ws, *puzzle, "reiniciar_sudoku_Click");
            requireAllBacks(ws, fondoNormal, "reiniciar_sudoku_Click");
            require(game.idSudoku == label && game.dificultadActual == code && ws.checked == before.checked,
                    "reiniciar_sudoku_Click changed more than the board");
        }
    }
    return 0;
}
