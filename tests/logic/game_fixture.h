// A game on the fake window system, in a temporary program folder with hand-written puzzles.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/game.h"
#include "board/key_codes.h"
#include "tests/logic/fake_window_system.h"
#include "tests/support.h"

// A complete grid; each row is the one above shifted by three, or by one at a box border:
// 123456789 / 456789123 / 789123456 / 234567891 / ...
inline std::string solutionLine(int shift = 0)
{
    std::string s;
    for (int r = 0; r < 9; ++r)
        for (int c = 0; c < 9; ++c)
            s += static_cast<char>('1' + (r * 3 + r / 3 + c + shift) % 9);
    return s;
}

// Only cells 2, 41 and 80 are given, so every other cell can be typed into.
inline std::string puzzleLine(int shift = 0)
{
    std::string p(81, '0');
    for (int given : {2, 41, 80})
        p[given - 1] = solutionLine(shift)[given - 1];
    return p;
}

// s with the characters of the given cells (1..81) replaced by ch.
inline std::string with(std::string s, const std::vector<int>& cells, char ch)
{
    for (int i : cells)
        s[i - 1] = ch;
    return s;
}

class GameTest : public ::testing::Test {
protected:
    support::ProgramFolder folder{::testing::UnitTest::GetInstance()->current_test_info()->name()};
    FakeWindowSystem ws;
    Game game{ws};

    // Every test starts on a game just started.
    void SetUp() override
    {
        ws.folder = folder.root.string();
        writeLibraries();
        start();
    }

    // Per level, puzzles "<Level> 1" and "<Level> 2" (the ones a new game draws from) are the
    // same puzzle, so what a test types does not depend on the draw; "<Level> 3" is another one.
    // The shift of a puzzle: 0, 1, 2 by level, plus 4 for puzzle 3.
    void writeLibraries()
    {
        const char* levels[][3] = {{"facil.sdk", "sol_fac.sdk", "Facil"}, {"medio.sdk", "sol_med.sdk", "Medio"},
                                   {"dificil.sdk", "sol_dif.sdk", "Dificil"}};
        for (int level = 0; level < 3; ++level) {
            std::vector<std::string> lib{"Biblioteca"}, sol{"Soluciones"};
            for (int k = 1; k <= 3; ++k) {
                const std::string label = levels[level][2] + std::string(" ") + std::to_string(k);
                lib.insert(lib.end(), {label, puzzleLine(level + (k == 3 ? 4 : 0))});
                sol.insert(sol.end(), {label, solutionLine(level + (k == 3 ? 4 : 0))});
            }
            writeFile(levels[level][0], lib);
            writeFile(levels[level][1], sol);
        }
    }
    void writeFile(const std::string& name, const std::vector<std::string>& lines)
    {
        support::writeBytes(folder.game(name), support::crlf(lines));
    }

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

    int value(int index) const { return game.tablero[rowOf(index)][columnOf(index)]; }
    std::string tableroDigits() const
    {
        std::string s;
        for (int k = 1; k <= 81; ++k)
            s += static_cast<char>('0' + value(k));
        return s;
    }
    // The 81 backgrounds as letters: w white, f focus, e error, c correct.
    std::string backs() const
    {
        std::string s;
        for (int i = 1; i <= 81; ++i) {
            const Colour b = ws.cells[i].back;
            s += b == fondoNormal ? 'w' : b == fondoFoco ? 'f' : b == fondoError ? 'e' : b == fondoCorrecto ? 'c' : '?';
        }
        return s;
    }
    // The check marks of Facil, Medio and Dificil: "x--" for Facil alone.
    std::string marks() const
    {
        std::string s;
        for (auto item : ws.checked)
            s += item.second ? "x" : "-";
        return s;
    }
    // The game on the board, and with it everything a refused command must leave as it was.
    std::string board() const { return tableroDigits() + "|" + game.idSudoku + "|" + ws.boardTexts() + "|" + backs(); }
    std::string snapshot() const
    {
        return board() + "|" + game.dificultadActual + game.dificultadElegida + "|" + ws.status + "|" + marks();
    }
};
