// A game on the fake window system, in a temporary program folder with hand-written puzzles.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/game.h"
#include "board/key_codes.h"
#include "tests/logic/fake_window_system.h"
#include "tests/support.h"

// A complete grid; row r is the row above it shifted by three, or by one at a box border:
// 123456789 / 456789123 / 789123456 / 234567891 / ...
inline std::string solutionLine(int shift = 0)
{
    std::string s;
    for (int r = 0; r < 9; ++r)
        for (int c = 0; c < 9; ++c)
            s += static_cast<char>('1' + (r * 3 + r / 3 + c + shift) % 9);
    return s;
}

// Only cells 2, 41 and 80 are given, so every other cell can be typed into; shift makes
// another puzzle with the same given cells.
inline std::string puzzleLine(int shift = 0)
{
    std::string p(81, '0');
    for (int given : {2, 41, 80})
        p[given - 1] = solutionLine(shift)[given - 1];
    return p;
}

class GameTest : public ::testing::Test {
protected:
    support::ProgramFolder folder{::testing::UnitTest::GetInstance()->current_test_info()->name()};
    FakeWindowSystem ws;
    Game game{ws};

    void SetUp() override
    {
        ws.folder = folder.root.string();
        writeLibraries();
    }

    void writeLibraries()
    {
        // Records 1 and 2, the ones a new game draws from, hold the same puzzle: the cells a test
        // types into do not depend on the draw. The medium and hard puzzles differ from it.
        const char* levels[][3] = {{"facil.sdk", "sol_fac.sdk", "Facil"}, {"medio.sdk", "sol_med.sdk", "Medio"},
                                   {"dificil.sdk", "sol_dif.sdk", "Dificil"}};
        for (int level = 0; level < 3; ++level) {
            std::vector<std::string> lib{"Biblioteca"}, sol{"Soluciones"};
            for (int k = 1; k <= 3; ++k) {
                const std::string label = std::string(levels[level][2]) + " " + std::to_string(k);
                const int shift = level + (k == 3 ? 4 : 0);
                lib.insert(lib.end(), {label, puzzleLine(shift)});
                sol.insert(sol.end(), {label, solutionLine(shift)});
            }
            writeFile(levels[level][0], lib);
            writeFile(levels[level][1], sol);
        }
    }

    void writeFile(const std::string& name, const std::vector<std::string>& lines)
    {
        support::writeBytes(folder.game(name), support::crlf(lines));
    }
    std::string readFile(const std::string& name) const { return support::readBytes(folder.game(name)); }

    // Start-up as the window does it: load, then cell 1 takes the focus.
    void start()
    {
        game.Form_Load();
        game.cellFocusedByPlayer(1);
    }
    // The player clicks cell i, types a key there, and clicks cell then (0: stays in cell i).
    void type(int i, int keyCode, int then = 0)
    {
        game.cellFocusedByPlayer(i);
        game.Text1_KeyDown(i, keyCode);
        if (then)
            game.cellFocusedByPlayer(then);
    }
    void typeDigit(int i, int digit, int then = 0) { type(i, vk::Digit0 + digit, then); }
    std::vector<Colour> all(Colour c) const { return std::vector<Colour>(81, c); }

    int value(int index) const { return game.tablero[rowOf(index)][columnOf(index)]; }
    std::string tableroDigits() const
    {
        std::string s;
        for (int k = 1; k <= 81; ++k)
            s += static_cast<char>('0' + value(k));
        return s;
    }
    std::vector<Colour> backs() const
    {
        std::vector<Colour> b;
        for (int i = 1; i <= 81; ++i)
            b.push_back(ws.cells[i].back);
        return b;
    }

    // Everything a refused command must leave as it was.
    std::string snapshot() const
    {
        std::string s = tableroDigits() + "|" + game.idSudoku + "|" + game.dificultadActual + "|"
            + game.dificultadElegida + "|" + ws.boardTexts() + "|" + ws.status + "|";
        for (Colour back : backs())
            s += std::to_string(back) + ",";
        for (auto [item, on] : ws.checked)
            s += on ? "x" : "-";
        return s;
    }
};
