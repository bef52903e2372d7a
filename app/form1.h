// The main window: board, menus, toolbar and status line; it forwards every event to the game.
// SPDX-FileCopyrightText: 2026 Equipo de Cuadrix
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QKeySequence>
#include <QMainWindow>
#include <QPalette>
#include <QPointer>
#include <functional>
#include <map>
#include <utility>
#include <vector>

#include "app/game.h"
#include "app/screen_reader.h"
#include "app/splash.h"
#include "app/window_system.h"
#include "help/form3.h"
#include "help/frm_about.h"

class QMenu;
class QStatusBar;
class QToolBar;
class TextCell;
class Form4;

class Form1 : public QMainWindow, public WindowSystem {
    Q_OBJECT
public:
    using MessageBoxFunction = std::function<Answer(const QString& prompt, const QString& title, Buttons buttons)>;

    // The data folder is given as the bytes the system names it by, never decoded.
    explicit Form1(std::string dataFolder, QWidget* parent = nullptr);
    ~Form1() override;

    // Runs the start-up, shows the window and gives cell 1 the focus.
    void start();

    Game& game() { return game_; }
    TextCell* Text1(int i) const { return cells_[i]; }
    QAction* menuItem(const char* name) const;
    QToolBar* toolbar() const { return Toolbar1; }
    StatusLine* statusLine() const { return statusText_; }
    Form3* helpWindow() const { return help_; }
    FrmAboutWindow* aboutBox() const { return about_; }
    Form4* splash() const { return splash_; }
    // Tests answer the boxes themselves.
    void setMessageBoxFunction(MessageBoxFunction function) { messageBox_ = std::move(function); }

    // WindowSystem
    void setCellText(int i, const std::string& text) override;
    void setCellFontBold(int i, bool bold) override;
    void setCellForeColor(int i, Colour colour) override;
    void setCellBackColor(int i, Colour colour) override;
    void setCellLocked(int i, bool locked) override;
    void setCellDescription(int i, const std::string& text) override;
    void setFocusToCell(int i) override;
    void setMenuChecked(MenuItem item, bool checked) override;
    void setStatusText(const std::string& text) override;
    void setStatusWidth(int twips) override;
    Answer messageBox(const std::string& prompt, const std::string& title, Buttons buttons) override;
    void showMainWindow() override;
    void showSplash() override;
    void hideSplash() override;
    void startSplashTimer() override;
    void stopSplashTimer() override;
    void showHelp(const std::string& address) override;
    void showAbout() override;
    bool startProgram(const std::string& path) override;
    void endProgram() override;
    std::string dataFolder() const override { return dataFolder_; }

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    Game game_;
    Form4Timer form4Timer_;
    TextCell* cells_[82] = {};
    QToolBar* Toolbar1 = nullptr;
    QStatusBar* StatusBar1 = nullptr;
    StatusLine* statusText_ = nullptr;
    Form4* splash_ = nullptr;
    // Windows with no owner: they may close and delete themselves, and what is left of them goes
    // with the main window.
    QPointer<Form3> help_;
    QPointer<FrmAboutWindow> about_;
    MessageBoxFunction messageBox_;
    bool ending_ = false;
    bool iconGiven_ = false;
    std::string dataFolder_;

    std::vector<std::pair<Game::Command, QAction*>> commandActions_;
    // A cell the player put the focus on, reported once Qt has finished the focus change;
    // focus moves the game asks for are not reported back to it.
    int playerFocus_ = 0;
    bool movingFocus_ = false;

    // A menu item and the command it runs.
    struct MenuCommand {
        const char* name;
        const char* caption;
        QKeySequence shortcut;
        Game::Command command;
    };
    QAction* addCommand(QMenu* menu, const MenuCommand& item);
    void buildMenus();
    void buildToolbar(QWidget* clientArea);
    void buildBoard(QWidget* clientArea);
    void cellFocusIn(int i);
    void keyDown(int i, int keyCode);
    void reportPlayerFocus();
};

// The application's title "Cuadrix", and Spanish texts on Qt's own buttons ("Sí", "Cancelar").
void useSpanishButtons();
