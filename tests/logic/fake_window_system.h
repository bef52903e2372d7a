// A window system for the logic tests: records what the game shows and answers boxes from a script.
// SPDX-FileCopyrightText: 2026 Equipo de Cuadrix
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <deque>
#include <string>
#include <vector>

#include "app/window_system.h"

struct FakeCell {
    std::string text;
    bool bold = false, locked = false;
    Colour fore = colorJugador, back = fondoNormal;
    std::string description = {};
};

class FakeWindowSystem : public WindowSystem {
public:
    std::array<FakeCell, 82> cells;  // 1..81; any other number the game names fails the test
    int focused = 0;                 // the cell the game last put the keyboard focus on
    // The marks of Facil, Medio, Dificil: 'x' checked, '-' not, '?' never set.
    std::string checked = "???", status, folder;
    std::string asked;                       // the boxes shown, one line each: "title|buttons|prompt"
    std::deque<Answer> answers;              // for the next boxes; OK when none is left
    bool ended = false, startWorks = true;   // startWorks: what each start of a program answers
    std::vector<std::string> help, started;  // the help pages shown, the programs started

    FakeCell& cell(int i) { return cells.at(i < 1 ? 82 : i); }
    void setCellText(int i, const std::string& text) override { cell(i).text = text; }
    void setCellFontBold(int i, bool bold) override { cell(i).bold = bold; }
    void setCellForeColor(int i, Colour colour) override { cell(i).fore = colour; }
    void setCellBackColor(int i, Colour colour) override { cell(i).back = colour; }
    void setCellLocked(int i, bool locked) override { cell(i).locked = locked; }
    void setCellDescription(int i, const std::string& text) override { cell(i).description = text; }
    void setFocusToCell(int i) override
    {
        cell(i);  // a cell beyond the board fails the test
        focused = i;
    }
    void setMenuChecked(MenuItem m, bool on) override { checked.at(static_cast<int>(m)) = on ? 'x' : '-'; }
    void setStatusText(const std::string& text) override { status = text; }
    void setStatusWidth(int) override {}
    Answer messageBox(const std::string& prompt, const std::string& title, Buttons buttons) override
    {
        const char* names[] = {"OK", "Sí/No", "Sí/No/Cancelar"};
        asked += title + "|" + names[static_cast<int>(buttons)] + "|" + prompt + "\n";
        if (answers.empty())
            return Answer::OK;
        const Answer answer = answers.front();
        answers.pop_front();
        return answer;
    }
    void showMainWindow() override {}
    void showSplash() override {}
    void hideSplash() override {}
    void startSplashTimer() override {}
    void stopSplashTimer() override {}
    void showHelp(const std::string& address) override { help.push_back(address); }
    void showAbout() override {}
    bool startProgram(const std::string& path) override
    {
        started.push_back(path);
        return startWorks;
    }
    void endProgram() override { ended = true; }
    std::string dataFolder() const override { return folder; }
};
