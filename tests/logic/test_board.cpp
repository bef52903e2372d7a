// Arrow-key moves, digit entry and clearing, the focus highlight and the commit.
#include "tests/logic/game_fixture.h"

TEST_F(GameTest, ArrowsWrapAtEachEdgeCommittingTheCellLeft)
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
        EXPECT_EQ(game.celdaActualTxt, std::to_string(m.to));
        EXPECT_EQ(game.celdaActual, m.to);
        EXPECT_EQ(backs(), with(std::string(81, 'w'), {m.to}, 'f')) << m.from;
        EXPECT_EQ(value(m.from), ws.cells[m.from].locked ? 9 : 6) << m.from;
    }
}

TEST_F(GameTest, KeysWriteDigitsOrClearOpenCellsAndLeaveGivenCellsAlone)
{
    struct Key { int code; std::string before, after; };
    const Key keys[] = {
        {vk::Digit0 + 7, "3", "7"}, {vk::Numpad0 + 7, "3", "7"}, {vk::Numpad0 + 9, "", "9"}, {vk::Digit0 + 1, " ", "1"},
        {vk::Digit0, "3", " "}, {vk::Numpad0, "3", " "}, {32, "3", " "}, {8, "", " "}, {'A', "4", " "},
        {vk::RightWindows, "4", " "}, {112, "4", " "}, {vk::Enter, "4", "4"}, {vk::Escape, "4", "4"},
        {vk::Shift, "4", "4"}, {vk::Control, "4", "4"}, {vk::Alt, "4", "4"}, {vk::CapsLock, "4", "4"},
        {vk::NumLock, "4", "4"}, {vk::LeftWindows, "4", "4"}, {vk::ContextMenu, "4", "4"},
    };
    for (const Key& k : keys) {
        ws.cells[5].text = k.before;
        game.Text1_KeyDown(5, k.code);
        game.Text1_KeyDown(2, k.code);
        EXPECT_EQ(ws.cells[5].text + ws.cells[2].text, k.after + "2") << "key " << k.code;
    }
    EXPECT_EQ(value(5), 0) << "typing alone does not reach tablero";
    EXPECT_EQ(ws.focused, 1) << "no key but an arrow moves the focus";
}

TEST_F(GameTest, TheCommitStoresDigitsAndEmptiesAndRefusesAnythingElse)
{
    struct Commit { int cell; std::string text; int stored; };
    const Commit commits[] = {{10, "4", 4}, {81, "9", 9}, {9, "", 0}, {12, " ", 0}, {13, "x", 5}, {14, "0", 5}};
    for (const Commit& c : commits) {
        game.tablero[rowOf(c.cell)][columnOf(c.cell)] = 5;
        ws.cells[c.cell].text = c.text;
        game.cellFocusedByPlayer(c.cell);
        game.cellFocusedByPlayer(c.cell);  // back from a menu, a box or another window: no commit
        EXPECT_EQ(value(c.cell), 5);
        ws.boxes.clear();
        game.cellFocusedByPlayer(c.cell == 81 ? 80 : 81);
        EXPECT_EQ(value(c.cell), c.stored) << c.text;
        EXPECT_EQ(ws.cells[c.cell].text, c.text);
        if (c.stored == 5) {  // refused: the message, the focus back, the cell white
            ASSERT_EQ(ws.boxes.size(), 1u) << c.text;
            EXPECT_EQ(ws.boxes[0].prompt + "|" + ws.boxes[0].title, "Introdueix un Nombre!|");
            EXPECT_EQ(ws.focused, c.cell);
            EXPECT_EQ(game.celdaActual, c.cell);
            EXPECT_EQ(backs(), std::string(81, 'w'));
            game.Text1_KeyDown(c.cell, vk::Right);  // and again at each try to leave
            EXPECT_EQ(ws.boxes.size(), 2u);
            ws.cells[c.cell].text = "";
        } else {
            EXPECT_TRUE(ws.boxes.empty()) << c.text;
        }
    }
}

TEST(BoardBeforeFocus, CommandsSkipTheCommitWhileNoCellHadTheFocus)
{
    support::ProgramFolder folder("sin-foco");
    FakeWindowSystem ws;
    ws.folder = folder.root.string();
    Game game(ws);
    ws.cells[1].text = "x";
    ws.answers = {Answer::OK, Answer::Yes};
    for (auto command : {&Game::check_Click, &Game::guardar_sudoku_Click, &Game::salir_Click})
        (game.*command)();
    ASSERT_EQ(ws.boxes.size(), 2u) << "no puzzle to save, and the exit question";
    EXPECT_NE(ws.boxes[0].prompt, "Introdueix un Nombre!");
    EXPECT_TRUE(ws.ended);
}
