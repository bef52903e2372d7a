// What the main window adds to the game: keys and shortcuts in a focused cell, focus changes
// that are or are not a move between cells, the Tab order and the toolbar.
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QToolBar>
#include <QToolButton>

#include "app/window_look.h"
#include "board/key_codes_qt.h"
#include "tests/widgets/widget_fixture.h"

TEST(KeyCodes, KeysThatQtNamesDifferentlyStillReachTheCellAsTheirDigitOrKey)
{
    const auto code = [](int key, Qt::KeyboardModifiers mods, quint32 scan = 0, quint32 native = 0) {
        return virtualKeyCode(QKeyEvent(QEvent::KeyPress, key, mods, scan, native, 0));
    };
    EXPECT_EQ(code(Qt::Key_9, Qt::KeypadModifier), 105);
    EXPECT_EQ(code(Qt::Key_Exclam, Qt::ShiftModifier, 10), 49) << "Shift+1 on X11";
    EXPECT_EQ(code(Qt::Key_ParenRight, Qt::ShiftModifier, 19), 48) << "Shift+0 on X11";
    EXPECT_EQ(code(Qt::Key_Home, Qt::KeypadModifier, 79), 36) << "keypad 7 with Num Lock off";
    EXPECT_EQ(code(Qt::Key_Meta, Qt::NoModifier, 133, 0xffeb), 91);
    EXPECT_EQ(code(Qt::Key_Meta, Qt::NoModifier, 134, 0xffec), 92);
}

TEST_F(WidgetTest, TypingThroughTheWindowWritesOneCharacterAndArrowsCommit)
{
    EXPECT_EQ(form->Text1(1)->backColour(), toQColor(fondoFoco));
    const int open = openCell(), below = open + 9 < 82 ? open + 9 : open - 72;
    click(open);
    // The line edit adds or deletes nothing itself: Backspace and Delete leave the " " written.
    for (auto [k, text] : {std::pair{Qt::Key_7, "7"}, {Qt::Key_Backspace, " "}, {Qt::Key_5, "5"}, {Qt::Key_Delete, " "}, {Qt::Key_8, "8"}}) {
        key(k);
        EXPECT_EQ(form->Text1(open)->text(), text) << k;
    }
    key(Qt::Key_Down);
    EXPECT_EQ(focusedCell(), below);
    EXPECT_EQ(form->game().tablero[rowOf(open)][columnOf(open)], 8);
    EXPECT_EQ(form->Text1(open)->backColour(), QColor(Qt::white));
    EXPECT_EQ(form->Text1(below)->backColour(), toQColor(fondoFoco));
    EXPECT_EQ(form->Text1(open)->accessibleName(), QString("fila %1, columna %2, 8").arg(rowOf(open)).arg(columnOf(open)));
}

// Equal cells, with wider gaps of window background at the box borders.
TEST_F(WidgetTest, TheBoardShowsItsBoxesByWiderGaps)
{
    for (int k = 1; k < 9; ++k) {
        EXPECT_EQ(form->Text1(k + 1)->x() - form->Text1(k)->x(), k % 3 ? 48 : 56) << k;
        EXPECT_EQ(form->Text1(9 * k + 1)->y() - form->Text1(9 * k - 8)->y(), k % 3 ? 48 : 56) << k;
    }
    EXPECT_EQ(form->Text1(1)->y() - form->toolbar()->y(), 40) << "the board starts 600 twips below the toolbar's top";
}

TEST_F(WidgetTest, EveryMenuShortcutFiresFromACellWithoutReachingIt)
{
    answers = {Answer::Cancel};  // the exit question
    int shortcuts = 0;
    for (QAction* action : form->findChildren<QAction*>()) {
        if (action->shortcut().isEmpty())
            continue;
        ++shortcuts;
        click(openCell());
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
        QSignalSpy fired(action, &QAction::triggered);
        QTest::keySequence(form->windowHandle(), action->shortcut());
        QApplication::processEvents();
        EXPECT_EQ(fired.count(), 1) << action->objectName().toStdString();
        EXPECT_NE(form->Text1(openCell())->text(), " ") << action->objectName().toStdString() << " reached the cell";
    }
    EXPECT_EQ(shortcuts, 8) << "Ctrl+N, G, C, R, H, O, S and F1";
}

// A click on another cell commits the cell left; a refused entry keeps the focus. A menu or
// another window taking the focus away is no commit.
TEST_F(WidgetTest, FocusMovesThatAreAndAreNotACommit)
{
    const int open = openCell(), other = open == 81 ? 80 : 81;
    click(open);
    form->Text1(open)->setText("x");  // as a paste would
    QMenu* archivo = form->menuBar()->findChild<QMenu*>("archivo");
    archivo->popup(form->mapToGlobal(QPoint(0, 0)));
    QApplication::processEvents();
    archivo->close();
    form->game().acerca_Click();
    form->activateWindow();
    WidgetTest::settle();
    EXPECT_TRUE(prompts.isEmpty());
    click(other);
    EXPECT_EQ(prompts, QStringList({"Introdueix un Nombre!"}));
    EXPECT_EQ(focusedCell(), open);
    EXPECT_EQ(form->Text1(open)->backColour(), QColor(Qt::white));
    form->Text1(open)->setText("6");
    click(other);
    EXPECT_EQ(focusedCell(), other);
    EXPECT_EQ(form->game().tablero[rowOf(open)][columnOf(open)], 6);
}

TEST_F(WidgetTest, TabVisitsTheTopLeftCellOfEachBox)
{
    QList<int> visited{focusedCell()};
    for (int n = 0; n < 9; ++n) {
        key(Qt::Key_Tab);
        visited << focusedCell();
    }
    EXPECT_EQ(visited, QList<int>({1, 4, 7, 28, 31, 34, 55, 58, 61, 1}));
}

TEST_F(WidgetTest, ToolbarButtonsAreTheMenuActions)
{
    form->game().medio_Click();
    for (QAction* action : form->toolbar()->actions())
        EXPECT_TRUE(action->isSeparator() || qobject_cast<QMenu*>(action->parent())) << "a menu item's own action";
    qobject_cast<QToolButton*>(form->toolbar()->widgetForAction(form->toolbarButton(1)))->click();
    EXPECT_EQ(form->statusLine()->text().toStdString() + form->game().dificultadActual, "Nuevo SuDoku Cargadom");
}
