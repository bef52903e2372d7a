// Arrow-key moves, digit entry and clearing, the focus highlight and the commit.
// SPDX-FileCopyrightText: 2026 Equipo de Cuadrix
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/logic/game_fixture.h"

// An arrow from a cell with a text in it, also from the given cell 41. The commit refuses anything
// but a digit or nothing: the message, the focus back in the cell, which ends white; and so again
// at each try to leave.
TEST_F(GameTest, ArrowsWrapAtEachEdgeCommittingTheCellLeftOrKeepingTheFocusInACellRefused)
{
    const std::tuple<int, int, int, const char*> moves[] = {
        {1, vk::Left, 9, "6"},    {10, vk::Left, 18, "6"}, {11, vk::Left, 10, "6"},  {9, vk::Right, 1, "6"},
        {81, vk::Right, 73, "6"}, {1, vk::Up, 73, "6"},    {9, vk::Up, 81, "6"},     {10, vk::Up, 1, "6"},
        {73, vk::Down, 1, "6"},   {81, vk::Down, 9, "6"},  {72, vk::Down, 81, "6"},  {41, vk::Down, 50, "9"},
        {13, vk::Right, 13, "x"}, {13, vk::Down, 13, "0"}, {13, vk::Left, 13, "12"},
    };
    for (auto [from, key, to, text] : moves) {
        ws.asked.clear();
        game.cellFocusedByPlayer(from);  // the second time in a cell refused: no commit, no message
        ws.cells[from].back = fondoError;
        paste(from, text);
        game.Text1_KeyDown(from, key);
        const bool refused = to == from;
        EXPECT_TRUE(ws.focused == to && game.celdaActual == to && game.celdaActualTxt() == std::to_string(to)) << from;
        // The refusal is the one box with no title of its own: the window shows the application's.
        EXPECT_EQ(backs() + ws.asked, refused ? white() + box("Introdueix un Nombre!", "OK", "") : white({to}, 'f'))
            << from;
        EXPECT_EQ(value(from), refused ? 0 : text[0] - '0') << from;
    }
}

// A key in cell 5, which held "3", and in the given cell 2; then the player leaves cell 5. Lock and modifier keys
// change nothing; the right Windows key, Space, Backspace, letters and function keys clear the cell.
TEST_F(GameTest, KeysWriteDigitsOrClearOpenCellsAndTheCommitStoresThem)
{
    const std::pair<int, char> keys[] = {
        {vk::Digit0 + 1, '1'},
        {vk::Digit0 + 9, '9'},
        {vk::Numpad0 + 1, '1'},
        {vk::Numpad0 + 7, '7'},
        {vk::Numpad0 + 9, '9'},
        {vk::Digit0, ' '},
        {vk::Digit0 + 10, ' '},
        {vk::Numpad0, ' '},
        {vk::Numpad0 + 10, ' '},
        {8, ' '},
        {32, ' '},
        {'A', ' '},
        {112, ' '},
        {vk::RightWindows, ' '},
        {0, ' '},
        {vk::Enter, '3'},
        {vk::Escape, '3'},
        {vk::Shift, '3'},
        {vk::Control, '3'},
        {vk::Alt, '3'},
        {vk::CapsLock, '3'},
        {vk::LeftWindows, '3'},
        {vk::ContextMenu, '3'},
        {vk::NumLock, '3'},
    };
    for (auto [code, after] : keys) {
        paste(5, "3");
        type(5, code, 6);
        game.Text1_KeyDown(2, code);
        const std::string expected{after, '2', after == ' ' ? '0' : after};
        EXPECT_EQ(ws.cells[5].text + ws.cells[2].text + std::to_string(value(5)), expected) << code;
    }
}
