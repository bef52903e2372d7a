// Solve fills the board from the solution file; restart puts the puzzle back from its library.
#include "app/game.h"

void Game::solucionar_sudoku_Click()
{
    if (noPuzzleOnBoard())
        return;
    // The solution is read before the board is whitened, so that a failure leaves it untouched.
    if (!solucionarSudoku())
        return;
    ws.setStatusText("Sudoku Solucionado");
}

void Game::reiniciar_sudoku_Click()
{
    if (noPuzzleOnBoard())
        return;
    if (!reiniciarSudoku())
        return;
    ws.setStatusText("Vuelve a intentarlo");
}

bool Game::solucionarSudoku()
{
    const std::string path = dataPath(ws.programFolder(), levelOf(dificultadActual).solutionNom);
    const LibraryResult found = findDigitLine(path, idSudoku);
    if (!found) {
        message(problemText(found, path, "fichero", "del tablero"));
        return false;
    }
    setAllBackColors(fondoNormal);
    for (int k = 1; k <= 81; ++k) {
        const char ch = found.digits[k - 1];
        const int d = digitValue(ch);
        tablero[rowOf(k)][columnOf(k)] = static_cast<std::int16_t>(d);
        const std::string digit(1, ch);
        if (d < 1) {
            ws.setCellText(k, "");
        } else if (ws.cellText(k) != digit) {
            ws.setCellBackColor(k, fondoError);
            ws.setCellText(k, digit);
        } else if (!ws.cellLocked(k)) {
            ws.setCellBackColor(k, fondoCorrecto);
        }
    }
    return true;
}

bool Game::reiniciarSudoku()
{
    const std::string path = dataPath(ws.programFolder(), levelOf(dificultadActual).libraryNom);
    const LibraryResult found = findDigitLine(path, idSudoku);
    if (!found) {
        message(problemText(found, path, "fichero", "del tablero"));
        return false;
    }
    setAllBackColors(fondoNormal);
    // Placed as a new game places it: the library may have changed since the puzzle was drawn,
    // so the given cells are locked again from the line read now, not left as they were.
    placePuzzleLine(found.digits);
    return true;
}
