// The load of a fuzzed saved game (cargar_sudoku_Click) against the shipped libraries.
// Input: the file game/partida.sdk.
#include "fuzz/harness.h"
#include "puzzles/library.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace fuzz;
    static const ProgramFolder folder;
    static const bool filled = [] {
        for (const char* name : {"facil.sdk", "medio.sdk", "dificil.sdk"})
            folder.put(name, shippedFile(name));
        return true;
    }();
    (void)filled;
    const std::string saved(reinterpret_cast<const char*>(data), size);
    folder.put("partida.sdk", saved);

    // Loadable: three lines, 81 digits on the third, a label of the difficulty's library.
    const std::vector<std::string> lines = linesOf(saved);
    std::optional<std::string> record;
    if (lines.size() >= 3 && startsWith81Digits(lines[2]))
        record = recordOf(linesOf(shippedFile(fileName(libraryNom(lines[1])))), lines[0]);

    FakeWindowSystem ws;
    Game game(ws);
    startGameInProgress(ws, game);
    ws.folder = folder.path();
    const Snapshot before(ws, game);

    game.cargar_sudoku_Click();

    if (!ws.boxes.empty()) {
        require(!record, "cargar_sudoku_Click refused a loadable saved game");
        requireFailedCleanly(ws, game, before, "cargar_sudoku_Click");
        return 0;
    }
    require(record.has_value(), "cargar_sudoku_Click loaded a saved game it should refuse");
    require(ws.status == "SuDoku Cargado", "cargar_sudoku_Click: status");
    require(game.idSudoku == lines[0], "cargar_sudoku_Click: label");
    require(game.dificultadActual == lines[1] && game.dificultadElegida == lines[1], "cargar_sudoku_Click: difficulty");
    requireMarks(ws, lines[1], before, "cargar_sudoku_Click");
    requireBoard(ws, game, lines[2], "cargar_sudoku_Click");
    for (int k = 1; k <= 81; ++k)
        require(ws.cells[k].locked == ((*record)[k - 1] != '0'), "cargar_sudoku_Click: lock of cell " + std::to_string(k));
    requireAllBacks(ws, fondoNormal, "cargar_sudoku_Click");
    return 0;
}
