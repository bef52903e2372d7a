// What the main window adds to the game: keys and shortcuts in a focused cell, focus changes
// that are or are not a move between cells, the Tab order, the board's layout and the toolbar.
// SPDX-FileCopyrightText: 2026 Equipo de Cuadrix
// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAccessible>
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

#include "app/window_look.h"
#include "board/key_codes_qt.h"
#include "tests/widgets/widget_fixture.h"

// Keys X11 names by something other than their digit, neighbours of the digit row, and the keys of a Spanish keyboard
// that the game tells apart (AltGr is Alt; the dead accent key and the keypad without Num Lock are any other key).
TEST(KeyCodes, ADigitIsItsKeyWhateverQtCallsItAndOtherKeysAreAnyOtherKey)
{
    struct Case {
        int key;
        Qt::KeyboardModifiers modifiers;
        quint32 scan, native;
        int code;
    };
    constexpr auto none = Qt::NoModifier, keypad = Qt::KeypadModifier, shift = Qt::ShiftModifier;
    const Case cases[] = {
        {Qt::Key_9, keypad, 0, 0, 105},         {Qt::Key_1, keypad, 87, 0, 97},
        {Qt::Key_Home, keypad, 79, 0, 0},       {Qt::Key_Exclam, shift, 10, 0, 49},
        {Qt::Key_ParenRight, shift, 19, 0, 48}, {Qt::Key_5, Qt::ControlModifier, 0, 0, 53},
        {Qt::Key_Escape, none, 9, 0, 27},       {Qt::Key_Return, none, 36, 0, 13},
        {Qt::Key_Enter, keypad, 104, 0, 13},    {Qt::Key_A, none, 38, 0, 0},
        {Qt::Key_Dead_Acute, none, 34, 0, 0},   {Qt::Key_Ntilde, none, 47, 0, 0},
        {Qt::Key_Left, none, 113, 0, 37},       {Qt::Key_Up, none, 111, 0, 38},
        {Qt::Key_Right, none, 114, 0, 39},      {Qt::Key_Down, none, 116, 0, 40},
        {Qt::Key_Shift, none, 50, 0, 16},       {Qt::Key_Control, none, 37, 0, 17},
        {Qt::Key_Alt, none, 64, 0, 18},         {Qt::Key_AltGr, none, 108, 0, 18},
        {Qt::Key_CapsLock, none, 66, 0, 20},    {Qt::Key_NumLock, none, 77, 0, 144},
        {Qt::Key_Menu, none, 135, 0, 93},       {Qt::Key_Meta, none, 133, 0xffeb, 91},
        {Qt::Key_Meta, none, 134, 0xffec, 92},  {Qt::Key_Super_R, none, 0, 0, 92},
    };
    for (const Case& c : cases)
        EXPECT_EQ(virtualKeyCode(QKeyEvent(QEvent::KeyPress, c.key, c.modifiers, c.scan, c.native, 0)), c.code)
            << c.key;
}

// Keys write one character and an arrow commits; a click commits too, a refused entry keeps the
// focus, and a menu or another window taking the focus away is no commit. Tab visits the
// top-left cell of each box.
TEST_F(WidgetTest, KeysClicksAndTabMoveTheFocusAndCommit)
{
    const int open = openCell(), below = open + 9 < 82 ? open + 9 : open - 72;
    click(open);
    // The line edit adds or deletes nothing itself: Backspace and Delete leave the " " written.
    for (auto [k, text] : {std::pair{Qt::Key_7, "7"},
                           {Qt::Key_Backspace, " "},
                           {Qt::Key_5, "5"},
                           {Qt::Key_Delete, " "},
                           {Qt::Key_8, "8"}}) {
        key(k);
        EXPECT_EQ(form->Text1(open)->text(), text) << k;
    }
    EXPECT_EQ(key(Qt::Key_Down), below);
    EXPECT_EQ(form->game().tablero[rowOf(open)][columnOf(open)], 8);
    EXPECT_EQ(QList<QColor>({form->Text1(open)->backColour(), form->Text1(below)->backColour()}),
              QList<QColor>({Qt::white, toQColor(fondoFoco)}));
    EXPECT_EQ(form->Text1(open)->accessibleName(),
              QString("fila %1, columna %2, 8").arg(rowOf(open)).arg(columnOf(open)));
    EXPECT_TRUE(form->Text1(givenCell())->accessibleName().endsWith(", fija"));
    EXPECT_TRUE(form->Text1(10)->accessibleName().startsWith("fila 2, columna 1, ")
                && form->Text1(81)->accessibleName().startsWith("fila 9, columna 9, "));

    click(open);
    // The mouse opens the cell's own menu (the keyboard's key opens none); what its Paste does, pasted over the
    // cell's text, leaves one character.
    for (auto reason : {QContextMenuEvent::Keyboard, QContextMenuEvent::Mouse}) {
        QContextMenuEvent menu(reason, QPoint(5, 5), form->Text1(open)->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(form->Text1(open), &menu);
        EXPECT_EQ(!!QApplication::activePopupWidget(), reason == QContextMenuEvent::Mouse);
    }
    if (QWidget* menu = QApplication::activePopupWidget())
        menu->close();
    QApplication::clipboard()->setText("xy");
    form->Text1(open)->selectAll();
    form->Text1(open)->paste();
    EXPECT_EQ(form->Text1(open)->text(), "x");
    QMenu* archivo = form->menuBar()->findChild<QMenu*>("archivo");
    archivo->popup(form->mapToGlobal(QPoint(0, 0)));
    QApplication::processEvents();
    archivo->close();
    form->game().acerca_Click();
    form->activateWindow();
    WidgetTest::settle();
    EXPECT_TRUE(asked.isEmpty());
    EXPECT_EQ(click(below), open);
    EXPECT_EQ(asked, QStringList({"Cuadrix|OK|Introdueix un Nombre!"}));
    EXPECT_EQ(form->Text1(open)->backColour(), QColor(Qt::white));
    form->Text1(open)->selectAll();
    form->Text1(open)->insert("6");
    EXPECT_EQ(click(below), below);
    EXPECT_EQ(form->game().tablero[rowOf(open)][columnOf(open)], 6);

    click(1);
    QList<int> visited;
    for (int n = 0; n < 9; ++n)
        visited << key(Qt::Key_Tab);
    EXPECT_EQ(visited, QList<int>({4, 7, 28, 31, 34, 55, 58, 61, 1}));
}

// Every shortcut fires its menu item from a cell without reaching the cell.
TEST_F(WidgetTest, MenuShortcutsFireFromACellWithoutReachingIt)
{
    answers = {Answer::Cancel};  // the exit question
    QStringList fired;
    for (QAction* action : form->findChildren<QAction*>()) {
        if (action->shortcut().isEmpty())
            continue;
        click(openCell());
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
        QObject::connect(action, &QAction::triggered, [&fired, action] { fired << action->shortcut().toString(); });
        QTest::keySequence(form->windowHandle(), action->shortcut());
        QApplication::processEvents();
        EXPECT_NE(form->Text1(openCell())->text(), " ") << action->objectName().toStdString() << " reached the cell";
    }
    EXPECT_EQ(fired.join(" "), "Ctrl+N Ctrl+G Ctrl+C Ctrl+R Ctrl+H Ctrl+O Ctrl+S F1");
}

// At start easy is ticked and welcomed; each toolbar button, its text also its tooltip and its name for a screen
// reader, runs its menu item's command and never takes the focus; medium is ticked, so the new game is a medium one.
TEST_F(WidgetTest, AtStartEasyIsTickedAndEachToolbarButtonRunsItsCommand)
{
    EXPECT_EQ(form->windowTitle() + form->statusLine()->text(), "Cuadrix!Bienbenido a Cuadrix! Todo listo para jugar");
    // The window names the launcher it belongs to.
    EXPECT_TRUE(
        QFile::exists(QT_TESTCASE_SOURCEDIR "/../app/desktop/" + QGuiApplication::desktopFileName() + ".desktop.in"));
    form->menuItem("medio")->trigger();  // easy is ticked at start (looks.txt)
    EXPECT_TRUE(!form->menuItem("facil")->isChecked() && form->menuItem("medio")->isChecked()
                && !form->menuItem("dificil")->isChecked());
    QStringList seen;
    for (QAction* action : form->toolbar()->actions()) {
        if (auto* button = qobject_cast<QToolButton*>(form->toolbar()->widgetForAction(action))) {
            EXPECT_TRUE(action->toolTip() == action->iconText() && button->accessibleName() == action->iconText()
                        && button->focusPolicy() == Qt::NoFocus
                        && form->menuItem(action->objectName().toUtf8()) == action);
            button->click();
            seen << action->iconText() + ": " + form->statusLine()->text();
        }
    }
    EXPECT_EQ(seen.join("\n"),
              "Nuevo: Nuevo SuDoku Cargado\nGuardar Partida: Partida guardada\n"
              "Cargar Partida: SuDoku Cargado\nBuscar errores: Enhorabuena no tienes ningun error\n"
              "Solucionar: Sudoku Solucionado");
    EXPECT_EQ(form->game().dificultadActual, "m");
    EXPECT_TRUE(asked.isEmpty());
    form->setStatusText(std::string(300, 'x'));  // a long text reaches the window's right edge
    EXPECT_GE(form->statusLine()->mapTo(form.get(), QPoint(form->statusLine()->width(), 0)).x(), form->width() - 12);
}

// What screen readers get: a given cell read-only and not editable, an open one editable, each a text field; a cell's
// description; the status line as a notification with its text.
TEST_F(WidgetTest, ScreenReadersGetLockedCellsDescriptionsAndTheStatusLine)
{
    QAccessibleInterface* given = QAccessible::queryAccessibleInterface(form->Text1(givenCell()));
    QAccessibleInterface* open = QAccessible::queryAccessibleInterface(form->Text1(openCell()));
    EXPECT_TRUE(given->state().readOnly && !given->state().editable && given->textInterface()->characterCount() == 1);
    EXPECT_TRUE(open->state().editable && !open->state().readOnly && open->role() == QAccessible::EditableText);
    form->setCellDescription(openCell(), "Error: se repite en la fila");
    EXPECT_EQ(open->text(QAccessible::Description), "Error: se repite en la fila");
    form->setStatusText("Sudoku Solucionado");
    QAccessibleInterface* status = QAccessible::queryAccessibleInterface(form->statusLine());
    EXPECT_TRUE(status->text(QAccessible::Name) == "Sudoku Solucionado" && status->role() == QAccessible::Notification);
}
