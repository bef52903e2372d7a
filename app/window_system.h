// The operations the game logic needs from the window system; the Qt windows implement them.
// SPDX-FileCopyrightText: 2026 Equipo de Cuadrix
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

// Colours are BGR long values, 0x00BBGGRR; 0x80000004 is the system colour of the menu background.
using Colour = std::uint32_t;

constexpr Colour colorFijo = 0x000000FF;      // red text of a given digit
constexpr Colour colorJugador = 0x00000000;   // black text of a cell open to the player
constexpr Colour fondoNormal = 0x00FFFFFF;    // white background
constexpr Colour fondoFoco = 0x80000004;      // background of the cell with the focus
constexpr Colour fondoError = 0x00C0C0FF;     // light red: a cell marked wrong
constexpr Colour fondoCorrecto = 0x00C0FFC0;  // light green: a right digit after solving

enum class MenuItem { facil, medio, dificil };

enum class Buttons { OK, YesNo, YesNoCancel };
enum class Answer { OK, Yes, No, Cancel };

class WindowSystem {
public:
    virtual ~WindowSystem() = default;

    // Cell i is 1..81, numbered in rows from the top-left corner.
    virtual void setCellText(int i, const std::string& text) = 0;
    virtual void setCellFontBold(int i, bool bold) = 0;
    virtual void setCellForeColor(int i, Colour colour) = 0;
    virtual void setCellBackColor(int i, Colour colour) = 0;
    virtual void setCellLocked(int i, bool locked) = 0;
    // What a screen reader says of cell i after its name: what the cell's background means; "" for nothing.
    virtual void setCellDescription(int i, const std::string& text) = 0;
    // Moves the keyboard focus to cell i; the game has already run the commit and the highlight.
    virtual void setFocusToCell(int i) = 0;

    virtual void setMenuChecked(MenuItem item, bool checked) = 0;

    virtual void setStatusText(const std::string& text) = 0;
    virtual void setStatusWidth(int twips) = 0;

    // A modal box, shown at once; returns the button pressed. An empty title shows the
    // application's title "Cuadrix".
    virtual Answer messageBox(const std::string& prompt, const std::string& title, Buttons buttons) = 0;

    virtual void showMainWindow() = 0;
    virtual void showSplash() = 0;
    virtual void hideSplash() = 0;
    virtual void startSplashTimer() = 0;
    virtual void stopSplashTimer() = 0;
    // Creates the help window if needed, sends its page view to the address and shows it.
    virtual void showHelp(const std::string& address) = 0;
    virtual void showAbout() = 0;
    // Starts the program at path in a window of its own, without waiting for it; false when it could not be started.
    virtual bool startProgram(const std::string& path) = 0;
    // Closes every window at once, with no further close question.
    virtual void endProgram() = 0;

    // The folder that holds game/ and data/ (the program's own, or a system-wide install's shared data), without a
    // trailing separator.
    virtual std::string dataFolder() const = 0;
};
