// A game on the fake window system with its own temporary program folder and data files.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "app/game.h"
#include "tests/logic/fake_window_system.h"

namespace fs = std::filesystem;

// A valid complete grid, with its digits renamed by variant so each puzzle differs.
inline std::string solutionLine(int variant)
{
    std::string s;
    for (int r = 0; r < 9; ++r)
        for (int c = 0; c < 9; ++c)
            s += static_cast<char>('1' + ((r * 3 + r / 3 + c) % 9 + variant) % 9);
    return s;
}

// The grid with about half of its cells empty.
inline std::string puzzleLine(int variant)
{
    std::string p = solutionLine(variant);
    for (int k = 0; k < 81; ++k)
        if ((k * 7 + variant) % 3 != 0)
            p[k] = '0';
    return p;
}

class GameTest : public ::testing::Test {
protected:
    FakeWindowSystem ws;
    Game game{ws};
    fs::path folder;

    void SetUp() override
    {
        folder = fs::temp_directory_path() / ("cuadrix-test-" + std::to_string(::getpid()) + "-"
                                              + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder);
        fs::create_directories(folder / "game");
        ws.folder = folder.string();
        ws.game = &game;
    }
    void TearDown() override
    {
        std::error_code ignored;
        fs::permissions(folder / "game", fs::perms::owner_all, fs::perm_options::add, ignored);
        fs::remove_all(folder, ignored);
    }

    void writeFile(const std::string& name, const std::vector<std::string>& lines, const std::string& eol = "\r\n")
    {
        std::ofstream out(folder / "game" / name, std::ios::binary);
        for (const auto& line : lines)
            out << line << eol;
    }
    std::string readBytes(const std::string& name)
    {
        std::ifstream in(folder / "game" / name, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    // A library of count puzzles labelled "<prefix> <k>" with its solution file; puzzle k uses variant k.
    void writeLibrary(const std::string& library, const std::string& solutions, const std::string& prefix, int count)
    {
        std::vector<std::string> lib{"Biblioteca " + prefix}, sol{"Biblioteca " + prefix};
        for (int k = 1; k <= count; ++k) {
            lib.push_back(prefix + " " + std::to_string(k));
            lib.push_back(puzzleLine(k));
            sol.push_back(prefix + " " + std::to_string(k));
            sol.push_back(solutionLine(k));
        }
        writeFile(library, lib);
        writeFile(solutions, sol);
    }
    void writeAllLibraries()
    {
        writeLibrary("facil.sdk", "sol_fac.sdk", "Facil", 10);
        writeLibrary("medio.sdk", "sol_med.sdk", "Medio", 10);
        writeLibrary("dificil.sdk", "sol_dif.sdk", "Dificil", 10);
    }

    // Start-up as the window does it: load, then cell 1 takes the focus.
    void start()
    {
        game.Form_Load();
        ws.setFocusToCell(1);
    }

    // A copy of everything a failed command must leave as it was.
    struct Snapshot {
        Tablero tablero;
        std::string idSudoku, dificultadActual, dificultadElegida, board, status;
        std::vector<Colour> backs;
        std::map<MenuItem, bool> checked;
        bool operator==(const Snapshot& o) const
        {
            return tablero == o.tablero && idSudoku == o.idSudoku && dificultadActual == o.dificultadActual
                && dificultadElegida == o.dificultadElegida && board == o.board && status == o.status
                && backs == o.backs && checked == o.checked;
        }
    };
    Snapshot snapshot() const
    {
        Snapshot s{game.tablero, game.idSudoku, game.dificultadActual, game.dificultadElegida, ws.boardTexts(),
                   ws.status, {}, ws.checked};
        for (int i = 1; i <= 81; ++i)
            s.backs.push_back(ws.cells[i].back);
        return s;
    }

    // The board as digits, tablero order.
    std::string tableroDigits() const
    {
        std::string s;
        for (int r = 1; r <= 9; ++r)
            for (int c = 1; c <= 9; ++c)
                s += static_cast<char>('0' + game.tablero[r][c]);
        return s;
    }
};
