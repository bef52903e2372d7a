// Arrow-key moves, digit entry and clearing, the focus highlight and the commit.
// SPDX-FileCopyrightText: 2026 Equipo de Cuadrix
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/logic/game_fixture.h"

// An arrow from a cell with a text in it, also from the given cell 41, wraps at each edge; the commit refuses anything
// but a digit or nothing (the focus stays in the cell, which ends white), and so again at each try to leave.
TEST_F(GameTest, ArrowsWrapAtEachEdgeCommittingTheCellLeftOrKeepingTheFocusInACellRefused)
{
    const std::tuple<int, int, int, const char*> moves[] = {
        {1, vk::Left, 9, "6"},   {9, vk::Right, 1, "6"},   {9, vk::Up, 81, "6"},
        {10, vk::Up, 1, "6"},    {72, vk::Down, 81, "6"},  {81, vk::Down, 9, "6"},
        {41, vk::Down, 50, "9"}, {13, vk::Right, 13, "x"}, {13, vk::Down, 13, "0"}};
    for (auto [from, key, to, text] : moves) {
        ws.asked.clear();
        game.cellFocusedByPlayer(from);
        ws.cells[from].back = fondoError;
        paste(from, text);
        game.Text1_KeyDown(from, key);
        const bool refused = to == from;
        EXPECT_EQ(ws.focused, to) << from;
        EXPECT_EQ(backs(), refused ? white() : white({to}, 'f')) << from;
        EXPECT_EQ(ws.asked, refused ? box("Introdueix un Nombre!", "OK", "") : "") << from;
        EXPECT_EQ(value(from), refused ? 0 : text[0] - '0') << from;
    }
}

// A key in cell 5, which held "3", and in the given cell 2; then the player leaves cell 5. Lock and modifier keys
// change nothing, and so does the left Windows key; the right one, Space, letters and function keys clear the cell.
TEST_F(GameTest, KeysWriteDigitsOrClearOpenCellsAndTheCommitStoresThem)
{
    const std::pair<int, char> keys[] = {{vk::Digit0 + 1, '1'},
                                         {vk::Digit0 + 9, '9'},
                                         {vk::Numpad0 + 1, '1'},
                                         {vk::Numpad0 + 9, '9'},
                                         {vk::Digit0, ' '},
                                         {32, ' '},
                                         {'A', ' '},
                                         {vk::RightWindows, ' '},
                                         {vk::LeftWindows, '3'},
                                         {vk::Shift, '3'},
                                         {vk::Control, '3'},
                                         {vk::NumLock, '3'}};
    for (auto [code, after] : keys) {
        paste(5, "3");
        type(5, code, 6);
        game.Text1_KeyDown(2, code);
        EXPECT_EQ(ws.cells[5].text, std::string(1, after)) << code;
        EXPECT_EQ(value(5), after == ' ' ? 0 : after - '0') << code;
        EXPECT_EQ(ws.cells[2].text, "2") << code;
    }
}
