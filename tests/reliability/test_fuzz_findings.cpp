// Faults the fuzz targets found, kept fixed.
#include "board/key_codes.h"
#include "tests/logic/game_fixture.h"

// Restart used to write only the digits, so when the library had changed since the puzzle was
// drawn, a cell given in the old puzzle stayed locked (empty or with a foreign digit, never
// typeable again) and a given cell of the new one stayed open and black.
TEST_F(GameTest, RestartLocksTheGivenCellsOfThePuzzleItPutsBack)
{
    writeFile("facil.sdk", {"cabecera", "uno", puzzleLine(1), "uno", puzzleLine(1)});
    start();
    ASSERT_EQ(tableroDigits(), puzzleLine(1));

    const std::string now = puzzleLine(2);
    writeFile("facil.sdk", {"cabecera", "uno", now, "uno", now});
    game.reiniciar_sudoku_Click();
    ASSERT_EQ(ws.status, "Vuelve a intentarlo");
    EXPECT_EQ(tableroDigits(), now);
    int reopened = 0;
    for (int k = 1; k <= 81; ++k) {
        const bool given = now[k - 1] != '0';
        EXPECT_EQ(ws.cells[k].locked, given) << "cell " << k;
        EXPECT_EQ(ws.cells[k].bold, given) << "cell " << k;
        EXPECT_EQ(ws.cells[k].fore, given ? colorFijo : colorJugador) << "cell " << k;
        EXPECT_EQ(ws.cells[k].text, given ? now.substr(k - 1, 1) : "") << "cell " << k;
        if (!given && puzzleLine(1)[k - 1] != '0')
            reopened = reopened ? reopened : k;
    }

    // A cell given before and open now takes the player's digit.
    ASSERT_NE(reopened, 0);
    ws.setFocusToCell(reopened);
    ws.key(vk::Digit0 + 7);
    ws.setFocusToCell(reopened == 81 ? 80 : 81);
    EXPECT_EQ(ws.cells[reopened].text, "7");
    EXPECT_EQ(game.tablero[rowOf(reopened)][columnOf(reopened)], 7);
}
