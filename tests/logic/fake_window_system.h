// A window system for the logic tests: records what the game shows and answers boxes from a script.
#pragma once

#include <array>
#include <deque>
#include <map>
#include <string>
#include <vector>

#include "app/window_system.h"

struct FakeCell {
    std::string text;
    bool bold = false;
    Colour fore = colorJugador, back = fondoNormal;
    bool locked = false;
};
struct ShownBox {
    std::string prompt, title;
    Buttons buttons;
};

class FakeWindowSystem : public WindowSystem {
public:
    std::array<FakeCell, 82> cells;  // 1..81; any other number the game names fails the test
    int focused = 0;                 // the cell the game last put the keyboard focus on
    std::map<MenuItem, bool> checked{{MenuItem::facil, true}, {MenuItem::medio, false}, {MenuItem::dificil, false}};
    std::string status, folder;
    std::vector<ShownBox> boxes;
    std::deque<Answer> answers;  // for the next boxes; OK when none is left
    bool splashShown = false, splashTimerOn = false, mainShown = false, ended = false, aboutShown = false;
    std::vector<std::string> helpAddresses;

    FakeCell& cell(int i) { return cells.at(i < 1 ? 82 : i); }
    void setCellText(int i, const std::string& text) override { cell(i).text = text; }
    std::string cellText(int i) const override { return cells.at(i < 1 ? 82 : i).text; }
    void setCellFontBold(int i, bool bold) override { cell(i).bold = bold; }
    void setCellForeColor(int i, Colour colour) override { cell(i).fore = colour; }
    void setCellBackColor(int i, Colour colour) override { cell(i).back = colour; }
    void setCellLocked(int i, bool locked) override { cell(i).locked = locked; }
    bool cellLocked(int i) const override { return cells.at(i < 1 ? 82 : i).locked; }
    void setFocusToCell(int i) override { focused = static_cast<int>(&cell(i) - cells.data()); }
    void setMenuChecked(MenuItem item, bool on) override { checked[item] = on; }
    void setStatusText(const std::string& text) override { status = text; }
    void setStatusWidth(int) override {}
    Answer messageBox(const std::string& prompt, const std::string& title, Buttons buttons) override
    {
        boxes.push_back({prompt, title, buttons});
        const Answer answer = answers.empty() ? Answer::OK : answers.front();
        if (!answers.empty())
            answers.pop_front();
        return answer;
    }
    void showMainWindow() override { mainShown = true; }
    void showSplash() override { splashShown = true; }
    void hideSplash() override { splashShown = false; }
    void startSplashTimer() override { splashTimerOn = true; }
    void stopSplashTimer() override { splashTimerOn = false; }
    void showHelp(const std::string& address) override { helpAddresses.push_back(address); }
    void showAbout() override { aboutShown = true; }
    void endProgram() override { ended = true; }
    std::string programFolder() const override { return folder; }

    // The 81 texts in cell order, "." for "" and "_" for " ".
    std::string boardTexts() const
    {
        std::string s;
        for (int i = 1; i <= 81; ++i)
            s += cells[i].text.empty() ? "." : cells[i].text == " " ? "_" : cells[i].text;
        return s;
    }
};
