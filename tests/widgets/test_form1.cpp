// What the main window adds to the game: keys and shortcuts in a focused cell, focus changes
// that are or are not a move between cells, the Tab order and the shared toolbar actions.
#include <algorithm>

#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QToolBar>
#include <QToolButton>

#include "app/qt_colours.h"
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
    EXPECT_EQ(focusedCell(), 1);
    EXPECT_EQ(form->Text1(1)->backColour(), toQColor(fondoFoco));
    const int open = openCell();
    click(open);
    const struct { int key; Qt::KeyboardModifiers mods; const char* text; } keys[] = {
        {Qt::Key_7, Qt::NoModifier, "7"}, {Qt::Key_3, Qt::KeypadModifier, "3"}, {Qt::Key_Backspace, {}, " "},
        {Qt::Key_5, Qt::NoModifier, "5"}, {Qt::Key_Delete, {}, " "},           {Qt::Key_A, {}, " "},
        {Qt::Key_Escape, {}, " "},         {Qt::Key_8, Qt::NoModifier, "8"},
    };
    for (const auto& k : keys) {
        key(k.key, k.mods);
        EXPECT_EQ(form->Text1(open)->text(), k.text) << k.key;
    }
    key(Qt::Key_Down);
    const int below = open + 9 < 82 ? open + 9 : open - 72;
    EXPECT_EQ(focusedCell(), below);
    EXPECT_EQ(form->game().tablero[rowOf(open)][columnOf(open)], 8);
    EXPECT_EQ(form->Text1(open)->backColour(), QColor(Qt::white));
    EXPECT_EQ(form->Text1(below)->backColour(), toQColor(fondoFoco));
    EXPECT_EQ(form->Text1(open)->accessibleName(), QString("fila %1, columna %2, 8").arg(rowOf(open)).arg(columnOf(open)));
}

// The board as the player sees it: equal cells with wider gaps at the box borders, large digits,
// between the toolbar and the status line, in a window that keeps its size.
TEST_F(WidgetTest, TheBoardShowsItsBoxesByWiderGaps)
{
    const QRect first = form->Text1(1)->geometry();
    for (int k = 1; k < 9; ++k) {
        const int gap = k % 3 == 0 ? 56 : 48;
        EXPECT_EQ(form->Text1(k + 1)->x() - form->Text1(k)->x(), gap) << k;
        EXPECT_EQ(form->Text1(9 * k + 1)->y() - form->Text1(9 * k - 8)->y(), gap) << k;
    }
    for (int i = 1; i <= 81; ++i)
        EXPECT_EQ(form->Text1(i)->size(), first.size());
    EXPECT_GE(QFontInfo(form->Text1(1)->font()).pixelSize(), 30);
    EXPECT_LE(form->toolbar()->geometry().bottom(), first.top());
    EXPECT_GT(form->statusLine()->mapTo(form.get(), QPoint()).y(), form->Text1(81)->mapTo(form.get(), QPoint(0, 40)).y());
    EXPECT_EQ(form->minimumSize(), form->maximumSize());
}

TEST_F(WidgetTest, EveryMenuShortcutFiresFromACellWithoutReachingIt)
{
    answers = {Answer::Cancel};  // the exit question
    const int open = openCell();
    for (QAction* action : form->findChildren<QAction*>()) {
        if (action->shortcut().isEmpty())
            continue;
        click(open);
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
        QSignalSpy fired(action, &QAction::triggered);
        QTest::keySequence(form->windowHandle(), action->shortcut());
        QApplication::processEvents();
        EXPECT_EQ(fired.count(), 1) << action->objectName().toStdString();
        EXPECT_NE(form->Text1(open)->text(), " ") << action->objectName().toStdString() << " reached the cell";
    }
}

TEST_F(WidgetTest, AClickOnAnotherCellCommitsAndARefusedEntryKeepsTheFocus)
{
    const int open = openCell(), other = open == 81 ? 80 : 81;
    click(open);
    form->Text1(open)->setText("x");  // as a paste would
    click(other);
    EXPECT_EQ(prompts, QStringList({"Introdueix un Nombre!"}));
    EXPECT_EQ(focusedCell(), open);
    EXPECT_EQ(form->Text1(open)->backColour(), QColor(Qt::white));

    form->Text1(open)->setText("6");
    click(other);
    EXPECT_EQ(focusedCell(), other);
    EXPECT_EQ(form->game().tablero[rowOf(open)][columnOf(open)], 6);
    EXPECT_EQ(form->game().celdaActual, other);
}

TEST_F(WidgetTest, AMenuOrABoxTakingTheFocusIsNoCommit)
{
    const int open = openCell();
    click(open);
    form->Text1(open)->setText("x");
    QMenu* archivo = form->menuBar()->findChild<QMenu*>("archivo");
    archivo->popup(form->mapToGlobal(QPoint(0, 0)));
    QApplication::processEvents();
    archivo->close();
    form->game().acerca_Click();  // another window
    form->activateWindow();
    QApplication::processEvents();
    EXPECT_TRUE(prompts.isEmpty());
    EXPECT_EQ(focusedCell(), open);
}

TEST_F(WidgetTest, TabVisitsTheTopLeftCellOfEachBox)
{
    QList<int> visited{focusedCell()};
    for (int n = 0; n < 9; ++n) {
        key(Qt::Key_Tab);
        visited << focusedCell();
    }
    EXPECT_EQ(visited, QList<int>({1, 4, 7, 28, 31, 34, 55, 58, 61, 1}));
    EXPECT_EQ(form->game().celdaActual, 1);
}

TEST_F(WidgetTest, ToolbarButtonsAreTheMenuActionsAndTheSeparatorDoesNothing)
{
    form->game().medio_Click();
    for (QAction* action : form->toolbar()->actions()) {
        if (action->isSeparator())
            continue;
        const auto users = action->associatedObjects();
        EXPECT_TRUE(std::any_of(users.begin(), users.end(), [](QObject* o) { return qobject_cast<QMenu*>(o); }));
    }
    EXPECT_EQ(form->toolbarButton(4), nullptr);
    qobject_cast<QToolButton*>(form->toolbar()->widgetForAction(form->toolbarButton(1)))->click();
    EXPECT_EQ(form->statusLine()->text(), "Nuevo SuDoku Cargado");
    EXPECT_EQ(form->game().dificultadActual, "m");
}
