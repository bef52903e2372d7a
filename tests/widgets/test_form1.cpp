// What the main window adds to the game: the key codes, keys and shortcuts in a focused cell, focus changes that are or
// are not a move between cells, the Tab order, the toolbar and what screen readers are told.
// SPDX-FileCopyrightText: 2026 Equipo de Cuadrix
// SPDX-License-Identifier: GPL-3.0-or-later
#include <set>

#include "board/key_codes.h"
#include "board/key_codes_qt.h"
#include "tests/widgets/widget_fixture.h"

using namespace Qt;

static int code(int key, quint32 scan = 0, KeyboardModifiers modifiers = NoModifier, quint32 native = 0)
{
    return virtualKeyCode(QKeyEvent(QEvent::KeyPress, key, modifiers, scan, native, 0));
}

// The digit row gives its digit by the key's place (X11 scan codes 10 to 19), whatever Qt calls the key; the keypad's
// digits have codes of their own, its other keys none; AltGr is Alt; each other key the game tells apart has a code of
// its own, and the right Windows key is told from the left.
TEST(KeyCodes, DigitsByTheirPlaceAndTheKeysTheGameTellsApart)
{
    EXPECT_EQ(code(Key_Exclam, 10), '1');
    EXPECT_EQ(code(Key_ParenRight, 19), '0');
    EXPECT_EQ(code(Key_9, 0, KeypadModifier), vk::Numpad0 + 9);
    EXPECT_EQ(code(Key_Home, 79, KeypadModifier), 0);  // keypad 7 with Num Lock off
    EXPECT_EQ(code(Key_Left), vk::Left);
    EXPECT_EQ(code(Key_AltGr), vk::Alt);
    EXPECT_EQ(code(Key_Meta, 134, NoModifier, 0xffec), vk::RightWindows);
    std::set<int> codes;
    for (int key : {Key_Left, Key_Up, Key_Right, Key_Down, Key_Return, Key_Shift, Key_Control, Key_Alt, Key_CapsLock,
                    Key_Escape, Key_Menu, Key_NumLock, Key_Meta})
        codes.insert(code(key));
    EXPECT_EQ(codes.size(), 13u);
    EXPECT_FALSE(codes.count(0));
}

// Keys write one character and an arrow commits.
TEST_F(WidgetTest, KeysWriteOneCharacterAnArrowCommits)
{
    click(open);
    key(Key_7);
    EXPECT_EQ(text(open), "7");
    key(Key_Backspace);  // the line edit deletes nothing itself: the game has written " "
    EXPECT_EQ(text(open), " ");
    key(Key_8);
    EXPECT_EQ(key(Key_Down), below);
    EXPECT_EQ(form->game().tablero[1][3], 8);
}

// The mouse opens a cell's own menu, the keyboard's menu key none; a paste leaves one character; a click commits and a
// refused entry keeps the focus; another window taking the focus away is no commit.
TEST_F(WidgetTest, APasteLeavesOneCharacterAClickCommitsAnotherWindowTakingTheFocusDoesNot)
{
    click(open);
    QContextMenuEvent byKey(QContextMenuEvent::Keyboard, {}, {}), byMouse(QContextMenuEvent::Mouse, {}, {});
    QApplication::sendEvent(form->Text1(open), &byKey);
    EXPECT_FALSE(QApplication::activePopupWidget());
    QApplication::sendEvent(form->Text1(open), &byMouse);
    ASSERT_TRUE(QApplication::activePopupWidget());
    QApplication::activePopupWidget()->close();
    QApplication::clipboard()->setText("xy");
    form->Text1(open)->paste();
    EXPECT_EQ(text(open), "x");
    form->game().acerca_Click();
    form->activateWindow();
    focusedCell();  // the window back, the focus in the cell again
    EXPECT_TRUE(asked.isEmpty());
    EXPECT_EQ(click(below), open);
    EXPECT_EQ(asked, QStringList("Introdueix un Nombre!"));
    key(Key_6);
    EXPECT_EQ(click(below), below);
    EXPECT_EQ(form->game().tablero[1][3], 6);
}

// Tab visits the top-left cell of each box, row of boxes by row of boxes.
TEST_F(WidgetTest, TabVisitsTheTopLeftCellOfEachBox)
{
    EXPECT_EQ(key(Key_Tab), 4);
    key(Key_Tab);
    EXPECT_EQ(key(Key_Tab), 28);
}

// Every shortcut typed in a cell fires its menu item, and the cell never sees it.
TEST_F(WidgetTest, MenuShortcutsFireFromACellWithoutReachingIt)
{
    answer = Answer::Cancel;  // to the exit question
    for (QAction* action : form->findChildren<QAction*>()) {
        if (action->shortcut().isEmpty())
            continue;
        click(open);
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
        QSignalSpy fired(action, &QAction::triggered);
        QTest::keySequence(form->windowHandle(), action->shortcut());
        EXPECT_EQ(fired.size(), 1) << action->shortcut().toString();
        EXPECT_NE(text(open), " ") << action->shortcut().toString();
    }
}

// The window names the launcher it belongs to; each toolbar button, never taking the focus, is named for screen
// readers by its text.
TEST_F(WidgetTest, TheLauncherNamedTheToolbarButtonsNamedAndTakingNoFocus)
{
    EXPECT_TRUE(
        QFile::exists(QT_TESTCASE_SOURCEDIR "/../app/desktop/" + QGuiApplication::desktopFileName() + ".desktop.in"));
    for (QAction* action : form->toolbar()->actions()) {
        QWidget* button = form->toolbar()->widgetForAction(action);
        EXPECT_EQ(button->focusPolicy(), NoFocus) << action->iconText();
        EXPECT_EQ(button->accessibleName(), action->iconText());
    }
}

// What screen readers get: each cell's place and digit, a given one read-only and not editable, an open one editable;
// a cell's description; the status line as a notification.
TEST_F(WidgetTest, ScreenReadersGetEachCellsPlaceAndStateDescriptionsAndTheStatusLine)
{
    EXPECT_EQ(form->Text1(given)->accessibleName(), "fila 1, columna 1, 2, fija");
    QAccessibleInterface* givenView = QAccessible::queryAccessibleInterface(form->Text1(given));
    QAccessibleInterface* openView = QAccessible::queryAccessibleInterface(form->Text1(open));
    EXPECT_TRUE(givenView->state().readOnly);
    EXPECT_FALSE(givenView->state().editable);
    EXPECT_TRUE(openView->state().editable);
    form->setCellDescription(open, "Error: se repite en la fila");
    EXPECT_EQ(openView->text(QAccessible::Description), "Error: se repite en la fila");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(form->statusLine())->role(), QAccessible::Notification);
}
