// The main window: layout in twips, key codes, shortcuts in a focused cell, focus and Tab order.
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

TEST_F(WidgetTest, BoardIsLaidOutInTwips)
{
    const int left[] = {240, 960, 1680, 2520, 3240, 3960, 4800, 5520, 6240};
    const int top[] = {600, 1320, 2040, 2880, 3600, 4320, 5160, 5880, 6600};
    for (int i = 1; i <= 81; ++i) {
        const QRect r = form->Text1(i)->geometry();
        EXPECT_EQ(r, QRect(left[(i - 1) % 9] / 15, top[(i - 1) / 9] / 15, 41, 41)) << i;
    }
    EXPECT_EQ(form->centralWidget()->size(), QSize(7110 / 15, 7680 / 15));
    EXPECT_LE(form->toolbar()->geometry().bottom(), 600 / 15);
    EXPECT_GT(form->statusLine()->parentWidget()->geometry().top(), form->Text1(81)->geometry().bottom());
    EXPECT_EQ(form->minimumSize(), form->maximumSize());
    EXPECT_FALSE(form->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(form->windowTitle(), "Cuadrix!");
    EXPECT_EQ(form->centralWidget()->palette().color(QPalette::Window), QColor(255, 224, 192));
}

TEST_F(WidgetTest, MenusAndToolbarCarryTheirCaptionsAndShortcuts)
{
    const struct { const char* name; const char* caption; const char* shortcut; } items[] = {
        {"nuevo_sudoku", "&Nuevo Sudoku", "Ctrl+N"}, {"guardar_sudoku", "&Guardar Partida", "Ctrl+G"},
        {"cargar_sudoku", "&Cargar Partida", "Ctrl+C"}, {"reiniciar_sudoku", "&Reiniciar Sudoku", "Ctrl+R"},
        {"check", "C&hequear Errores", "Ctrl+H"}, {"solucionar_sudoku", "S&olucionar Sudoku", "Ctrl+O"},
        {"salir", "&Salir", "Ctrl+S"}, {"facil", "&Facil", ""}, {"medio", "&Medio", ""}, {"dificil", "&Dificil", ""},
        {"historia", "&Historia de Cuadrix!...", ""}, {"reglas", "&Reglas de Cuadrix!...", ""},
        {"metodos", "&Metodos de Resolucion...", ""}, {"utilizacion", "&Utilizacion de Cuadrix!...", "F1"},
        {"acerca", "&Acerca de...", ""},
    };
    for (const auto& item : items) {
        QAction* action = form->menuItem(item.name);
        ASSERT_TRUE(action) << item.name;
        EXPECT_EQ(action->text(), QString::fromUtf8(item.caption));
        EXPECT_EQ(action->shortcut(), QKeySequence(item.shortcut)) << item.name;
    }
    QStringList menus;
    for (QAction* action : form->menuBar()->actions())
        menus << action->text();
    EXPECT_EQ(menus, QStringList({"&Archivo", "&Dificultad", "A&yuda"}));
    EXPECT_TRUE(form->menuItem("facil")->isChecked());

    QStringList buttons;
    for (QAction* action : form->toolbar()->actions())
        buttons << (action->isSeparator() ? "-" : action->text());
    EXPECT_EQ(buttons, QStringList({"Nuevo", "Guardar Partida", "Cargar Partida", "-", "Buscar errores", "Solucionar"}));
}

TEST(KeyCodes, QtKeysMapToTheCellHandlersCodes)
{
    const auto code = [](int key, Qt::KeyboardModifiers mods = Qt::NoModifier, quint32 scan = 0, quint32 native = 0) {
        QKeyEvent event(QEvent::KeyPress, key, mods, scan, native, 0);
        return virtualKeyCode(event);
    };
    EXPECT_EQ(code(Qt::Key_Left), 37);
    EXPECT_EQ(code(Qt::Key_Up), 38);
    EXPECT_EQ(code(Qt::Key_Right), 39);
    EXPECT_EQ(code(Qt::Key_Down), 40);
    EXPECT_EQ(code(Qt::Key_7), 55);
    EXPECT_EQ(code(Qt::Key_0), 48);
    EXPECT_EQ(code(Qt::Key_7, Qt::KeypadModifier), 103);
    EXPECT_EQ(code(Qt::Key_0, Qt::KeypadModifier), 96);
    EXPECT_EQ(code(Qt::Key_Exclam, Qt::ShiftModifier, 10), 49) << "Shift+1 on X11 still names the digit 1";
    EXPECT_EQ(code(Qt::Key_ParenRight, Qt::ShiftModifier, 19), 48);
    EXPECT_EQ(code(Qt::Key_7, Qt::ControlModifier), 55);
    EXPECT_EQ(code(Qt::Key_Home, Qt::KeypadModifier, 79), 36) << "keypad 7 with Num Lock off";
    EXPECT_EQ(code(Qt::Key_Return), 13);
    EXPECT_EQ(code(Qt::Key_Enter, Qt::KeypadModifier), 13);
    EXPECT_EQ(code(Qt::Key_Shift), 16);
    EXPECT_EQ(code(Qt::Key_Control), 17);
    EXPECT_EQ(code(Qt::Key_Alt), 18);
    EXPECT_EQ(code(Qt::Key_CapsLock), 20);
    EXPECT_EQ(code(Qt::Key_Escape), 27);
    EXPECT_EQ(code(Qt::Key_Meta, Qt::NoModifier, 133, 0xffeb), 91);
    EXPECT_EQ(code(Qt::Key_Meta, Qt::NoModifier, 134, 0xffec), 92);
    EXPECT_EQ(code(Qt::Key_Menu), 93);
    EXPECT_EQ(code(Qt::Key_NumLock), 144);
    EXPECT_EQ(code(Qt::Key_Space), 32);
    EXPECT_EQ(code(Qt::Key_Backspace), 8);
    EXPECT_EQ(code(Qt::Key_Delete), 46);
    EXPECT_EQ(code(Qt::Key_A), 65);
    EXPECT_EQ(code(Qt::Key_F5), 116);
}

TEST(Colours, BgrValuesBecomeRgbAndTheFocusColourIsTheMenuBackground)
{
    EXPECT_EQ(toQColor(colorFijo), QColor(255, 0, 0));
    EXPECT_EQ(toQColor(fondoError), QColor(255, 192, 192));
    EXPECT_EQ(toQColor(fondoCorrecto), QColor(192, 255, 192));
    EXPECT_EQ(toQColor(0x00C0E0FF), QColor(255, 224, 192));
    EXPECT_EQ(toQColor(fondoFoco), QApplication::palette("QMenu").color(QPalette::Window));
}

TEST_F(WidgetTest, StartUpFocusesCellOne)
{
    EXPECT_EQ(focusedCell(), 1);
    EXPECT_EQ(form->game().celdaActual, 1);
    EXPECT_EQ(form->Text1(1)->backColour(), toQColor(fondoFoco));
    EXPECT_EQ(form->statusLine()->text(), "Bienbenido a Cuadrix! Todo listo para jugar");
}

TEST_F(WidgetTest, EveryMenuShortcutFiresWhileACellHasTheFocus)
{
    answers = {Answer::Cancel};  // the exit question of Ctrl+S
    const struct { const char* name; int key; Qt::KeyboardModifiers mods; } shortcuts[] = {
        {"nuevo_sudoku", Qt::Key_N, Qt::ControlModifier}, {"guardar_sudoku", Qt::Key_G, Qt::ControlModifier},
        {"cargar_sudoku", Qt::Key_C, Qt::ControlModifier}, {"reiniciar_sudoku", Qt::Key_R, Qt::ControlModifier},
        {"check", Qt::Key_H, Qt::ControlModifier}, {"solucionar_sudoku", Qt::Key_O, Qt::ControlModifier},
        {"salir", Qt::Key_S, Qt::ControlModifier}, {"utilizacion", Qt::Key_F1, Qt::NoModifier},
    };
    for (const auto& shortcut : shortcuts) {
        form->Text1(openCell())->setFocus();
        QApplication::processEvents();
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
        QSignalSpy fired(form->menuItem(shortcut.name), &QAction::triggered);
        key(shortcut.key, shortcut.mods);
        EXPECT_EQ(fired.count(), 1) << shortcut.name;
        // The cell's key handler never saw the key: it would have cleared the cell to " ".
        const QString text = form->Text1(openCell())->text();
        EXPECT_TRUE(text.isEmpty() || (text.size() == 1 && text[0] >= '1' && text[0] <= '9'))
            << shortcut.name << " reached the cell: \"" << text.toStdString() << "\"";
    }
    EXPECT_TRUE(form->helpWindow() && form->helpWindow()->isVisible());
}

TEST_F(WidgetTest, TypingArrowsAndClearingKeys)
{
    const int open = openCell();
    form->Text1(open)->setFocus();
    QApplication::processEvents();
    key(Qt::Key_7);
    EXPECT_EQ(form->Text1(open)->text(), "7");
    key(Qt::Key_3, Qt::KeypadModifier);
    EXPECT_EQ(form->Text1(open)->text(), "3");
    key(Qt::Key_Backspace);
    EXPECT_EQ(form->Text1(open)->text(), " ");
    key(Qt::Key_5);
    key(Qt::Key_Delete);
    EXPECT_EQ(form->Text1(open)->text(), " ");
    key(Qt::Key_A);
    EXPECT_EQ(form->Text1(open)->text(), " ");

    // Moving on commits the cell and moves the highlight.
    key(Qt::Key_8);
    key(Qt::Key_Down);
    const int below = open + 9 < 82 ? open + 9 : open - 72;
    EXPECT_EQ(focusedCell(), below);
    EXPECT_EQ(form->game().tablero[rowOf(open)][columnOf(open)], 8);
    EXPECT_EQ(form->Text1(open)->backColour(), QColor(Qt::white));
    EXPECT_EQ(form->Text1(below)->backColour(), toQColor(fondoFoco));
}

TEST_F(WidgetTest, TabVisitsTheTopLeftCellOfEachBox)
{
    form->Text1(1)->setFocus();
    QApplication::processEvents();
    QList<int> visited{focusedCell()};
    for (int n = 0; n < 8; ++n) {
        key(Qt::Key_Tab);
        visited << focusedCell();
    }
    EXPECT_EQ(visited, QList<int>({1, 4, 7, 28, 31, 34, 55, 58, 61}));
}

TEST_F(WidgetTest, BadEntryBringsTheMessageAndTheFocusBack)
{
    const int open = openCell();
    form->Text1(open)->setFocus();
    QApplication::processEvents();
    form->Text1(open)->setText("x");  // as a paste would
    key(Qt::Key_Right);
    QTest::qWait(20);
    EXPECT_EQ(prompts, QStringList({"Introdueix un Nombre!"}));
    EXPECT_EQ(focusedCell(), open);
    EXPECT_EQ(form->Text1(open)->text(), "x");
    EXPECT_EQ(form->game().celdaActual, open);
}

TEST_F(WidgetTest, OpeningAMenuOrABoxIsNotACommit)
{
    const int open = openCell();
    form->Text1(open)->setFocus();
    QApplication::processEvents();
    form->Text1(open)->setText("x");

    QMenu* archivo = form->menuBar()->findChild<QMenu*>("archivo");
    archivo->popup(form->mapToGlobal(QPoint(0, 0)));
    QApplication::processEvents();
    archivo->close();
    QApplication::processEvents();

    // A box of the game's own takes the focus away and gives it back.
    answers = {Answer::Yes};
    form->Text1(open)->setText("5");
    const int row = rowOf(open) == 9 ? 8 : 9;
    form->game().tablero[row][1] = 5;
    form->game().tablero[row][2] = 5;
    form->game().checkError();
    QApplication::processEvents();
    EXPECT_EQ(prompts, QStringList({"Cuidado tienes errores, ¿quieres dejar marcados los errores?"}));
    EXPECT_EQ(focusedCell(), open);
    EXPECT_EQ(form->game().tablero[rowOf(open)][columnOf(open)], 0) << "still uncommitted";
}

TEST_F(WidgetTest, ToolbarSeparatorDoesNothingAndButtonsRunCommands)
{
    auto* toolbar = form->toolbar();
    form->game().medio_Click();
    const QString status = form->statusLine()->text();
    for (QAction* action : toolbar->actions())
        if (action->isSeparator())
            action->trigger();
    EXPECT_EQ(form->statusLine()->text(), status);
    QAction* nuevo = toolbar->actions().front();
    qobject_cast<QToolButton*>(toolbar->widgetForAction(nuevo))->click();
    EXPECT_EQ(form->statusLine()->text(), "Nuevo SuDoku Cargado");
    EXPECT_EQ(form->game().dificultadActual, "m");
}

TEST_F(WidgetTest, CellsAndButtonsHaveAccessibleNames)
{
    int given = 0;
    for (int i = 1; i <= 81 && !given; ++i)
        if (form->Text1(i)->isLocked())
            given = i;
    const QString where = QString("fila %1, columna %2, ").arg(rowOf(given)).arg(columnOf(given));
    EXPECT_EQ(form->Text1(given)->accessibleName(), where + form->Text1(given)->text() + ", fija");

    const int open = openCell();
    const QString at = QString("fila %1, columna %2, ").arg(rowOf(open)).arg(columnOf(open));
    EXPECT_EQ(form->Text1(open)->accessibleName(), at + QString::fromUtf8("vacía"));
    form->Text1(open)->setFocus();
    QApplication::processEvents();
    key(Qt::Key_4);
    EXPECT_EQ(form->Text1(open)->accessibleName(), at + "4");
    key(Qt::Key_Space);
    EXPECT_EQ(form->Text1(open)->accessibleName(), at + QString::fromUtf8("vacía"));

    for (QAction* action : form->toolbar()->actions()) {
        if (action->isSeparator())
            continue;
        QWidget* button = form->toolbar()->widgetForAction(action);
        EXPECT_EQ(button->accessibleName(), action->text());
        EXPECT_EQ(button->toolTip(), action->text());
    }
}
