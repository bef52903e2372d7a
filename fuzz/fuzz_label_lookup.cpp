// Finding a puzzle by its label in a fuzzed library: the load of a saved game that names a label
// of the library (cargar_sudoku_Click), and nuevoSudoku2 itself.
// Input: the library file. The input length picks the label (any line after the header, so
// puzzle lines and missing labels are tried too) and the difficulty code, "x" for an unknown one.
#include "fuzz/harness.h"
#include "puzzles/library.h"

namespace {

// A saved board unlike any puzzle: a digit in every cell, zeros in some.
const std::string kSavedBoard = [] {
    std::string s;
    for (int k = 0; k < 81; ++k)
        s += static_cast<char>('0' + (k * 7) % 10);
    return s;
}();

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace fuzz;
    static const ProgramFolder folder;
    const std::string library(reinterpret_cast<const char*>(data), size);
    const std::vector<std::string> lines = linesOf(library);
    const std::string label = lines.size() > 1 ? lines[1 + size % (lines.size() - 1)] : "";
    const std::string code = std::string("fmdx").substr(size % 4, 1);
    folder.put(fileName(levelOf(code).libraryNom), library);
    folder.put("partida.sdk", label + "\r\n" + code + "\r\n" + kSavedBoard + "\r\n");
    const std::optional<std::string> record = recordOf(lines, label);

    requireLoad(folder, record, label, code, kSavedBoard);
    {
        FakeWindowSystem ws;
        Game game(ws);
        startGameInProgress(ws, game);
        ws.folder = folder.path();
        game.idSudoku = label;
        game.dificultadActual = code;
        const Snapshot before(ws, game);

        const bool placed = game.nuevoSudoku2();

        if (!placed) {
            require(!record, "nuevoSudoku2 refused a label that is in the library");
            requireFailedCleanly(ws, game, before, "nuevoSudoku2");
        } else {
            require(record.has_value(), "nuevoSudoku2 placed a label that is not in the library");
            require(ws.boxes.empty(), "nuevoSudoku2 succeeded with a box");
            require(ws.status == before.status && game.idSudoku == label && game.dificultadActual == code,
                    "nuevoSudoku2 changed more than the board");
            requireBoard(ws, game, *record, "nuevoSudoku2");
            requireGivensLocked(ws, *record, "nuevoSudoku2");
        }
    }
    return 0;
}
