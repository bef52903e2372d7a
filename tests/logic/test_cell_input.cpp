// Arrow-key moves, digit entry and clearing, the focus highlight and the commit.
#include "board/key_codes.h"
#include "tests/logic/game_fixture.h"

class CellInputTest : public GameTest {
protected:
    void SetUp() override
    {
        GameTest::SetUp();
        writeAllLibraries();
        start();
    }
    // An open cell and a given cell of the puzzle on the board.
    int openCell() const { for (int i = 1; i <= 81; ++i) if (!ws.cells[i].locked) return i; return 0; }
    int givenCell() const { for (int i = 1; i <= 81; ++i) if (ws.cells[i].locked) return i; return 0; }
};

TEST_F(CellInputTest, ArrowsWrapWithinTheRowOrColumn)
{
    struct Move { int from, key, to; };
    const Move moves[] = {
        {1, vk::Left, 9}, {10, vk::Left, 18}, {11, vk::Left, 10},
        {9, vk::Right, 1}, {81, vk::Right, 73}, {40, vk::Right, 41},
        {1, vk::Up, 73}, {9, vk::Up, 81}, {10, vk::Up, 1},
        {73, vk::Down, 1}, {81, vk::Down, 9}, {72, vk::Down, 81},
    };
    for (const Move& m : moves) {
        ws.setFocusToCell(m.from);
        ws.key(m.key);
        EXPECT_EQ(ws.focused, m.to) << m.from << " key " << m.key;
        EXPECT_EQ(game.celdaActual, m.to);
        EXPECT_EQ(ws.cells[m.to].back, fondoFoco);
        EXPECT_EQ(ws.cells[m.from].back, fondoNormal);
    }
    // Every arrow from every cell stays on the board, given cells included.
    for (int i = 1; i <= 81; ++i) {
        for (int key : {vk::Left, vk::Up, vk::Right, vk::Down}) {
            ws.setFocusToCell(i);
            ws.key(key);
            EXPECT_TRUE(ws.focused >= 1 && ws.focused <= 81 && ws.focused != i);
            const bool sameRow = rowOf(ws.focused) == rowOf(i), sameColumn = columnOf(ws.focused) == columnOf(i);
            EXPECT_TRUE(key == vk::Left || key == vk::Right ? sameRow : sameColumn);
        }
    }
}

TEST_F(CellInputTest, DigitsFromBothKeyboardsFillOpenCellsOnly)
{
    const int open = openCell(), given = givenCell();
    const std::string givenText = ws.cells[given].text;
    ws.setFocusToCell(open);
    ws.cells[open].text = "3";
    ws.key(vk::Digit0 + 7);
    EXPECT_EQ(ws.cells[open].text, "7");
    ws.key(vk::Numpad0 + 2);
    EXPECT_EQ(ws.cells[open].text, "2");
    EXPECT_EQ(game.tablero[rowOf(open)][columnOf(open)], 0) << "typing alone does not commit";

    ws.setFocusToCell(given);
    for (int key : {vk::Digit0 + 7, vk::Numpad0 + 7, 32, 8, 46, 65})
        ws.key(key);
    EXPECT_EQ(ws.cells[given].text, givenText);
}

TEST_F(CellInputTest, OtherKeysClearAndQuietKeysDoNothing)
{
    const int open = openCell();
    ws.setFocusToCell(open);
    // 0 of both keyboards, space, backspace, delete, a letter, F5, the right Windows key.
    for (int key : {48, 96, 32, 8, 46, 65, 116, 92}) {
        ws.cells[open].text = "4";
        ws.key(key);
        EXPECT_EQ(ws.cells[open].text, " ") << key;
    }
    ws.cells[open].text = "";
    ws.key(32);
    EXPECT_EQ(ws.cells[open].text, " ");
    for (int key : {13, 16, 17, 18, 20, 27, 91, 93, 144}) {
        ws.cells[open].text = "4";
        ws.key(key);
        EXPECT_EQ(ws.cells[open].text, "4") << key;
    }
}

TEST_F(CellInputTest, CommitStoresDigitsAndEmpties)
{
    struct Case { int cell; std::string text; int row, column, value; };
    const Case cases[] = {
        {10, "4", 2, 1, 4}, {9, "", 1, 9, 0}, {81, "9", 9, 9, 9}, {41, " ", 5, 5, 0},
    };
    for (const Case& c : cases) {
        game.tablero[c.row][c.column] = 6;
        ws.cells[c.cell].text = c.text;
        ws.cells[c.cell].back = fondoError;
        game.Text1_LostFocus(c.cell);
        EXPECT_EQ(game.tablero[c.row][c.column], c.value) << c.cell;
        EXPECT_EQ(ws.cells[c.cell].back, fondoNormal);
    }
    EXPECT_TRUE(ws.boxes.empty());
}

TEST_F(CellInputTest, BadEntryIsRefusedAndTheFocusComesBack)
{
    for (const std::string bad : {"x", "0", "\xc3\xa9"}) {
        ws.setFocusToCell(20);
        ws.cells[20].text = bad;
        game.tablero[3][2] = 5;
        const std::size_t boxes = ws.boxes.size();
        ws.key(vk::Right);
        ASSERT_EQ(ws.boxes.size(), boxes + 1) << bad;
        EXPECT_EQ(ws.boxes.back().prompt, "Introdueix un Nombre!");
        EXPECT_EQ(ws.boxes.back().title, "");
        EXPECT_EQ(ws.boxes.back().buttons, Buttons::OK);
        EXPECT_EQ(ws.focused, 20);
        EXPECT_EQ(game.celdaActual, 20);
        EXPECT_EQ(ws.cells[20].text, bad);
        EXPECT_EQ(game.tablero[3][2], 5);
        ws.cells[20].text = "";
    }
}

TEST_F(CellInputTest, CommandsCommitTheFocusedCellAndHighlightComesWithTheFocus)
{
    const int open = openCell();
    ws.setFocusToCell(open);
    ws.key(vk::Digit0 + 5);
    game.check_Click();
    EXPECT_EQ(game.tablero[rowOf(open)][columnOf(open)], 5);
    EXPECT_EQ(ws.focused, open);
    EXPECT_EQ(ws.cells[open].back, fondoNormal);
}

TEST(CellCommitBeforeFocus, CommandsSkipTheCommitWhileNoCellHadTheFocus)
{
    FakeWindowSystem ws;
    Game game(ws);
    ws.game = &game;
    ws.cells[1].text = "x";
    game.check_Click();
    EXPECT_TRUE(ws.boxes.empty());
    EXPECT_EQ(ws.status, "Enhorabuena no tienes ningun error");
}
