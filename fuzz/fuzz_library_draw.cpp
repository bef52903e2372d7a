// The random draw of a new game (nuevo_sudoku_Click) on a fuzzed puzzle library.
// Input: the library file of the difficulty chosen; the input length picks the difficulty.
#include "fuzz/harness.h"
#include "puzzles/library.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace fuzz;
    static const ProgramFolder folder;
    const std::string library(reinterpret_cast<const char*>(data), size);
    const std::string code = std::string("fmd").substr(size % 3, 1);
    folder.put(fileName(levelOf(code).libraryNom), library);

    FakeWindowSystem ws;
    Game game(ws);
    startGameInProgress(ws, game);
    ws.folder = folder.path();
    if (code == "f")
        game.facil_Click();
    else if (code == "m")
        game.medio_Click();
    ws.setStatusText("Partida en curso");
    const Snapshot before(ws, game);

    game.nuevo_sudoku_Click();

    // The draw needs the header and two whole records: it takes record 1 or 2.
    const std::vector<std::string> lines = linesOf(library);
    const bool serves = lines.size() >= 5 && startsWith81Digits(lines[2]) && startsWith81Digits(lines[4]);
    if (!ws.boxes.empty()) {
        require(!serves, "nuevo_sudoku_Click refused a library that serves the draw");
        requireFailedCleanly(ws, game, before, "nuevo_sudoku_Click");
        return 0;
    }
    require(serves, "nuevo_sudoku_Click drew from a library that cannot serve the draw");
    require(ws.status == "Nuevo SuDoku Cargado", "nuevo_sudoku_Click: status");
    require(game.dificultadActual == code && game.dificultadElegida == code, "nuevo_sudoku_Click: difficulty");
    require(ws.checked == before.checked, "nuevo_sudoku_Click: menu marks");
    const std::string first = lines[2].substr(0, 81), second = lines[4].substr(0, 81);
    const bool isFirst = game.idSudoku == lines[1] && game.tablero == tableroOf(first);
    const std::string& placed = isFirst ? first : second;
    require(isFirst || game.idSudoku == lines[3], "nuevo_sudoku_Click: label of neither record");
    requireBoard(ws, game, placed, "nuevo_sudoku_Click");
    requireGivensLocked(ws, placed, "nuevo_sudoku_Click");
    requireAllBacks(ws, fondoNormal, "nuevo_sudoku_Click");
    require(game.puzzleOnBoard, "nuevo_sudoku_Click: no puzzle on the board");
    return 0;
}
