// Arrow-key moves, digit entry and clearing, the focus highlight and the commit.
#include "tests/logic/game_fixture.h"

class BoardTest : public GameTest {
protected:
    void SetUp() override
    {
        GameTest::SetUp();
        start();
    }
};

TEST_F(BoardTest, ArrowsWrapAtEachEdgeCommittingTheCellLeft)
{
    struct Move { int from, key, to; };
    const Move moves[] = {
        {1, vk::Left, 9},  {10, vk::Left, 18}, {11, vk::Left, 10}, {9, vk::Right, 1}, {81, vk::Right, 73},
        {1, vk::Up, 73},   {9, vk::Up, 81},    {10, vk::Up, 1},    {73, vk::Down, 1}, {81, vk::Down, 9},
        {72, vk::Down, 81}, {41, vk::Down, 50},  // 41 is given: arrows leave given cells too
    };
    for (const Move& m : moves) {
        game.cellFocusedByPlayer(m.from);
        ws.cells[m.from].back = fondoError;
        if (!ws.cells[m.from].locked)
            ws.cells[m.from].text = "6";
        game.Text1_KeyDown(m.from, m.key);
        EXPECT_EQ(ws.focused, m.to) << m.from << " key " << m.key;
        EXPECT_EQ(game.celdaActual, m.to);
        EXPECT_EQ(game.celdaActualTxt, std::to_string(m.to));
        EXPECT_EQ(ws.cells[m.to].back, fondoFoco);
        EXPECT_EQ(ws.cells[m.from].back, fondoNormal) << m.from;
        EXPECT_EQ(value(m.from), ws.cells[m.from].locked ? 9 : 6) << m.from;
    }
}

TEST_F(BoardTest, KeysWriteDigitsOrClearOpenCellsAndLeaveGivenCellsAlone)
{
    struct Key { int code; std::string before, after; };
    const Key keys[] = {
        {vk::Digit0 + 7, "3", "7"}, {vk::Numpad0 + 7, "3", "7"}, {vk::Numpad0 + 9, "", "9"},
        {vk::Digit0 + 1, " ", "1"}, {vk::Digit0, "3", " "},      {vk::Numpad0, "3", " "},
        {32, "3", " "},             {8, "", " "},                {'A', "4", " "},
        {vk::RightWindows, "4", " "}, {112, "4", " "},
        {vk::Enter, "4", "4"},      {vk::Escape, "4", "4"},      {vk::Shift, "4", "4"},
        {vk::Control, "4", "4"},    {vk::Alt, "4", "4"},         {vk::CapsLock, "4", "4"},
        {vk::NumLock, "4", "4"},    {vk::LeftWindows, "4", "4"}, {vk::ContextMenu, "4", "4"},
    };
    for (const Key& k : keys) {
        ws.cells[5].text = k.before;
        game.Text1_KeyDown(5, k.code);
        EXPECT_EQ(ws.cells[5].text, k.after) << "key " << k.code;
        game.Text1_KeyDown(2, k.code);
        EXPECT_EQ(ws.cells[2].text, "2") << "given cell, key " << k.code;
    }
    EXPECT_EQ(value(5), 0) << "typing alone does not reach tablero";
    EXPECT_EQ(ws.focused, 1) << "no key but an arrow moves the focus";
}

TEST_F(BoardTest, TheCommitStoresDigitsAndEmptiesAndRefusesAnythingElse)
{
    struct Commit { int cell; std::string text; int stored; };
    const Commit commits[] = {{10, "4", 4}, {81, "9", 9}, {9, "", 0}, {12, " ", 0}, {13, "x", 5}, {14, "0", 5}};
    for (const Commit& c : commits) {
        game.tablero[rowOf(c.cell)][columnOf(c.cell)] = 5;
        ws.cells[c.cell].text = c.text;
        const std::size_t boxes = ws.boxes.size();
        game.cellFocusedByPlayer(c.cell);
        game.cellFocusedByPlayer(c.cell == 81 ? 80 : 81);
        EXPECT_EQ(value(c.cell), c.stored) << c.text;
        EXPECT_EQ(ws.cells[c.cell].text, c.text);
        const bool refused = c.stored == 5;
        ASSERT_EQ(ws.boxes.size(), boxes + (refused ? 1 : 0)) << c.text;
        if (refused) {
            EXPECT_EQ(ws.boxes.back().prompt, "Introdueix un Nombre!");
            EXPECT_EQ(ws.boxes.back().title, "");
            EXPECT_EQ(ws.focused, c.cell) << "the focus comes back";
            EXPECT_EQ(game.celdaActual, c.cell);
            EXPECT_EQ(ws.cells[c.cell].back, fondoNormal);
            EXPECT_EQ(ws.cells[81].back, fondoNormal) << "the cell clicked is not highlighted";
            ws.cells[c.cell].text = "";
        }
    }
    // The same refusal again each time the player tries to leave, by arrow or by click.
    ws.cells[14].text = "x";
    game.Text1_KeyDown(14, vk::Right);
    game.cellFocusedByPlayer(30);
    EXPECT_EQ(ws.boxes.size(), 4u);
    EXPECT_EQ(ws.focused, 14);
}

TEST_F(BoardTest, TheFocusComingBackToTheSameCellIsNoCommit)
{
    game.Text1_KeyDown(1, vk::Digit0 + 8);
    game.cellFocusedByPlayer(1);  // back from a menu, a box or another window
    EXPECT_EQ(value(1), 0);
    EXPECT_EQ(ws.cells[1].back, fondoFoco);
}

TEST(BoardBeforeFocus, CommandsSkipTheCommitWhileNoCellHadTheFocus)
{
    support::ProgramFolder folder("sin-foco");
    FakeWindowSystem ws;
    ws.folder = folder.root.string();
    Game game(ws);
    ws.cells[1].text = "x";
    game.check_Click();
    game.guardar_sudoku_Click();
    ws.answers = {Answer::Yes};
    game.salir_Click();
    ASSERT_EQ(ws.boxes.size(), 2u) << "no puzzle to save, and the exit question";
    EXPECT_NE(ws.boxes[0].prompt, "Introdueix un Nombre!");
    EXPECT_TRUE(ws.ended);
}
