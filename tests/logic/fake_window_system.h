// A window system for the logic tests: records every cell attribute, focus, mark, status text and
// box, answers boxes from a script, and moves the focus the way the Qt windows do.
#pragma once

#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "app/game.h"
#include "app/window_system.h"

struct FakeCell {
    std::string text;
    bool bold = false;
    Colour fore = colorJugador;
    Colour back = fondoNormal;
    bool locked = false;
};

struct ShownBox {
    std::string prompt;
    std::string title;
    Buttons buttons;
};

class FakeWindowSystem : public WindowSystem {
public:
    Game* game = nullptr;           // receives the focus events
    FakeCell cells[82];
    int focused = 0;                // the cell with the focus, 0 for none
    std::map<MenuItem, bool> checked{{MenuItem::facil, true}, {MenuItem::medio, false}, {MenuItem::dificil, false}};
    std::string status;
    int statusWidth = 0;
    std::vector<ShownBox> boxes;
    std::deque<Answer> answers;     // answers for the next boxes; OK when empty
    std::string folder;
    bool splashShown = false, splashTimerOn = false, mainShown = false, ended = false, aboutShown = false;
    std::vector<std::string> helpAddresses;

    void setCellText(int i, const std::string& text) override { cells[i].text = text; }
    std::string cellText(int i) const override { return cells[i].text; }
    void setCellFontBold(int i, bool bold) override { cells[i].bold = bold; }
    void setCellForeColor(int i, Colour colour) override { cells[i].fore = colour; }
    void setCellBackColor(int i, Colour colour) override { cells[i].back = colour; }
    void setCellLocked(int i, bool locked) override { cells[i].locked = locked; }
    bool cellLocked(int i) const override { return cells[i].locked; }

    // A focus move asked for during a commit happens after it, as the real windows do it.
    void setFocusToCell(int i) override
    {
        if (inCommit) {
            deferred.push_back([this, i] { setFocusToCell(i); });
            return;
        }
        if (i == focused)
            return;
        const int old = focused;
        focused = i;
        if (old && game) {
            inCommit = true;
            game->Text1_LostFocus(old);
            inCommit = false;
        }
        if (game)
            game->Text1_GotFocus(i);
        while (!deferred.empty()) {
            auto next = deferred.front();
            deferred.pop_front();
            next();
        }
    }

    void setMenuChecked(MenuItem item, bool on) override { checked[item] = on; }
    void setStatusText(const std::string& text) override { status = text; }
    void setStatusWidth(int twips) override { statusWidth = twips; }

    Answer messageBox(const std::string& prompt, const std::string& title, Buttons buttons) override
    {
        boxes.push_back({prompt, title, buttons});
        if (answers.empty())
            return Answer::OK;
        const Answer answer = answers.front();
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

    // Typing: the key goes to the cell with the focus.
    void key(int keyCode) { game->Text1_KeyDown(focused, keyCode); }

    // The 81 texts in cell order, "." for "" and "_" for " ".
    std::string boardTexts() const
    {
        std::string s;
        for (int i = 1; i <= 81; ++i)
            s += cells[i].text.empty() ? "." : cells[i].text == " " ? "_" : cells[i].text;
        return s;
    }

private:
    bool inCommit = false;
    std::deque<std::function<void()>> deferred;
};
