// Arrow-key moves, digit entry and clearing, the focus highlight and the commit.
#include "tests/logic/game_fixture.h"

TEST_F(GameTest, ArrowsWrapAtEachEdgeAndOtherKeysWriteOrClearTheCellWhichTheCommitStores)
{
    const int moves[][3] = {
        {1, vk::Left, 9},  {10, vk::Left, 18}, {11, vk::Left, 10}, {9, vk::Right, 1}, {81, vk::Right, 73},
        {1, vk::Up, 73},   {9, vk::Up, 81},    {10, vk::Up, 1},    {73, vk::Down, 1}, {81, vk::Down, 9},
        {72, vk::Down, 81}, {41, vk::Down, 50},  // 41 is given ("9"): arrows leave given cells too
    };
    for (auto [from, key, to] : moves) {
        game.cellFocusedByPlayer(from);
        ws.cells[from].back = fondoError;
        if (from != 41)
            ws.cells[from].text = "6";
        game.Text1_KeyDown(from, key);
        const std::string t = std::to_string(to);
        EXPECT_EQ(std::to_string(ws.focused) + "|" + game.celdaActualTxt + "|" + std::to_string(game.celdaActual), t + "|" + t + "|" + t);
        EXPECT_EQ(backs() + std::to_string(value(from)), white({to}, 'f') + (from == 41 ? "9" : "6")) << from;
    }
    // Other keys in cell 5, which held "3", and in the given cell 2; then the player leaves cell 5.
    const std::pair<int, char> keys[] = {
        {vk::Digit0 + 1, '1'}, {vk::Digit0 + 9, '9'}, {vk::Numpad0 + 1, '1'}, {vk::Numpad0 + 9, '9'}, {vk::Digit0, ' '},
        {vk::Numpad0, ' '}, {vk::Numpad0 + 10, ' '}, {32, ' '}, {8, ' '}, {'A', ' '}, {vk::RightWindows, ' '}, {112, ' '},
        {vk::Enter, '3'}, {vk::Escape, '3'}, {vk::Shift, '3'}, {vk::Control, '3'}, {vk::Alt, '3'}, {vk::CapsLock, '3'},
        {vk::NumLock, '3'}, {vk::LeftWindows, '3'}, {vk::ContextMenu, '3'},
    };
    for (auto [code, after] : keys) {
        ws.cells[5].text = "3";
        type(5, code, 6);
        game.Text1_KeyDown(2, code);
        EXPECT_EQ(ws.cells[5].text + ws.cells[2].text + std::to_string(value(5)), (std::string{after, '2', after == ' ' ? '0' : after})) << code;
    }
}

TEST_F(GameTest, TheCommitRefusesAnythingButADigitOrNothingAndKeepsTheFocusThere)
{
    for (const char* text : {"x", "0", "12"}) {
        digit(13, 5);
        ws.cells[13].text = text;
        ws.boxes.clear();
        game.cellFocusedByPlayer(13);
        game.cellFocusedByPlayer(13);  // back from a menu, a box or another window: no commit
        game.cellFocusedByPlayer(14);
        // The message, the focus back in the cell, which ends white; and again at each try to leave.
        EXPECT_EQ(std::to_string(ws.focused) + "|" + std::to_string(game.celdaActual) + "|" + backs(), "13|13|" + white()) << text;
        game.Text1_KeyDown(13, vk::Right);
        EXPECT_EQ(ws.prompts() + ws.boxes[0].title + std::to_string(value(13)), "Introdueix un Nombre!\nIntrodueix un Nombre!\n5") << text;
        ws.cells[13].text = "";
    }
}
