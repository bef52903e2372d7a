// A game on the fake window system, in a temporary program folder with hand-written puzzles.
// SPDX-FileCopyrightText: 2026 Equipo de Cuadrix
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>
#include <algorithm>
#include <functional>
#include <sys/mman.h>
#include <sys/wait.h>

#include "app/game.h"
#include "board/key_codes.h"
#include "tests/logic/fake_window_system.h"
#include "tests/support.h"

using namespace support;

// A complete grid; each row is the one above shifted by three, or by one at a box border:
// 123456789 / 456789123 / 789123456 / 234567891 / ...
inline std::string solutionLine(int shift = 0)
{
    std::string line;
    for (int k = 0; k < 81; ++k)
        line += static_cast<char>('1' + (k / 9 * 3 + k / 27 + k % 9 + shift) % 9);
    return line;
}

// Only cells 2, 41 and 80 are given, so every other cell can be typed into.
inline std::string puzzleLine(int shift = 0)
{
    std::string line(81, '0');
    for (int i : {1, 40, 79})
        line[i] = solutionLine(shift)[i];
    return line;
}

// s with the characters of the given cells (1..81) replaced by ch.
inline std::string with(std::string s, const std::vector<int>& cells, char ch)
{
    for (int i : cells)
        s.at(i - 1) = ch;
    return s;
}
// Backgrounds all white but the given cells; the looks of a puzzle line placed (see GameTest::board).
inline std::string white(const std::vector<int>& at = {}, char ch = 'w') { return with(std::string(81, 'w'), at, ch); }
inline std::string givens(std::string p)
{
    for (char& c : p)
        c = c > '0' ? 'g' : 'o';
    return p;
}
// The board just after puzzle line p was placed on it.
inline std::string placed(std::string p, std::string b = white()) { return p + "|" + p + "|" + b + "|" + givens(p); }

// The permission bits of what path names.
inline int mode(const fs::path& path) { return static_cast<int>(fs::status(path).permissions()); }

// A box as the fake window system records it; the main window's boxes are titled "Cuadrix!".
inline std::string box(const std::string& prompt, const std::string& buttons = "OK", std::string title = "Cuadrix!")
{
    return title + "|" + buttons + "|" + prompt + "\n";
}

// What f returns, run in a child process, so that a limit, a mount or a user it takes ends with it.
inline std::string inChild(const std::function<std::string()>& f)
{
    char* said =
        static_cast<char*>(::mmap(nullptr, 1 << 16, PROT_READ | PROT_WRITE, MAP_SHARED | MAP_ANONYMOUS, -1, 0));
    if (::fork() == 0) {
        f().copy(said, (1 << 16) - 1);
        ::_exit(0);
    }
    int status = 0;
    ::wait(&status);
    const std::string shown = WIFEXITED(status) && WEXITSTATUS(status) == 0 ? said : "the child did not end well";
    ::munmap(said, 1 << 16);
    return shown;
}

// The game's file operations, of which one step can fail with error: 0 the write, 1 the flush, 2 the rename.
// It counts the flushes.
struct FailingOps : SystemFileOps {
    int failing = -1, error = 0, syncs = 0;
    int write(int fd, const char* p, std::size_t n) override
    {
        return failing ? SystemFileOps::write(fd, p, n) : error;
    }
    int sync(int fd) override { return ++syncs, failing == 1 ? error : SystemFileOps::sync(fd); }
    int rename(const std::string& a, const std::string& b) override
    {
        return failing == 2 ? error : SystemFileOps::rename(a, b);
    }
};

class GameTest : public ::testing::Test {
protected:
    ProgramFolder folder{::testing::UnitTest::GetInstance()->current_test_info()->name()};
    FakeWindowSystem ws;
    FailingOps ops;
    Game game{ws, ops};
    const fs::path partida = folder.game("partida.sdk");

    // Every test starts on a game just started, cell 1 focused as the window does it. The draw deals puzzle 1.
    void SetUp() override
    {
        ws.folder = folder.root.string();
        ::setenv("XDG_DATA_HOME", (folder.root / "datos").c_str(), 1);  // a saved game never goes to the real home
        writeLibraries();
        game.random = [] { return 0.0; };
        game.Form_Load();
        game.cellFocusedByPlayer(1);
    }

    // Puzzles "<Level> 1" to "<Level> 3" per level, a new game dealing the first two. The shift of a puzzle: 0, 1, 2
    // by level, plus 3 for puzzle 2 and 6 for puzzle 3.
    void writeLibraries()
    {
        for (int n = 0; n < 6; ++n) {  // n / 2 the level, n % 2 the solutions
            const Level& level = levels()[n / 2];
            std::vector<std::string> lines{"Biblioteca"};
            for (int k = 0; k < 3; ++k)
                lines.insert(lines.end(),
                             {level.labelPrefix + std::string(" ") + std::to_string(k + 1),
                              (n % 2 ? solutionLine : puzzleLine)(n / 2 + k * 3)});
            writeFile(fileName(n % 2 ? level.solutionNom : level.libraryNom), lines);
        }
    }

    // game/<name> as CR LF lines; no lines: no file at all.
    void writeFile(const std::string& name, const std::vector<std::string>& lines)
    {
        lines.empty() ? (void)fs::remove(folder.game(name)) : (void)writeBytes(folder.game(name), crlf(lines));
    }
    // The boxes a step of the game shows: a command, or what the window calls.
    std::string shown(const std::function<void(Game&)>& step)
    {
        ws.asked.clear();
        step(game);
        return ws.asked;
    }
    // A box of the main window whose prompt names files with "@" for the program folder.
    std::string said(const std::string& prompt) const { return box(inGame(prompt, folder.root)); }

    // The player clicks cell i, types a key there, and clicks cell then (0: stays in cell i).
    void type(int i, int key, int then = 0)
    {
        game.cellFocusedByPlayer(i);
        game.Text1_KeyDown(i, key);
        game.cellFocusedByPlayer(then ? then : i);
    }
    // A text put in cell i without a key, as a paste does.
    void paste(int i, const std::string& text) { game.cellEditedByPlayer(i, ws.cells[i].text = text); }
    void digit(int i, int d) { game.tablero[rowOf(i)][columnOf(i)] = static_cast<std::int16_t>(d); }
    int value(int i) const { return game.tablero[rowOf(i)][columnOf(i)]; }

    // The board, a character per cell in four parts: tablero's digits | the texts as a digit line
    // shows them ('0' for "", '_' for " ") | the backgrounds (w white, f focus, e error, c correct) |
    // the looks (g given: bold, red and locked; o open; ? mixed).
    std::string board() const
    {
        const Colour backs[] = {fondoNormal, fondoFoco, fondoError, fondoCorrecto};
        std::string part[4];
        for (int i = 1; i <= 81; ++i) {
            const FakeCell& c = ws.cells[i];
            part[0] += static_cast<char>('0' + value(i));
            part[1] += c.text.empty() ? "0" : c.text == " " ? "_" : c.text;
            part[2] += "wfec?"[std::find(backs, backs + 4, c.back) - backs];
            part[3] += "o??g"[c.bold + c.locked + (c.fore == colorFijo)];
        }
        return part[0] + "|" + part[1] + "|" + part[2] + "|" + part[3];
    }
    std::string backs() const { return board().substr(board().rfind('|') - 81, 81); }
};
