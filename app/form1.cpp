// The main window: board, menus, toolbar and status line; it forwards every event to the game.
// SPDX-FileCopyrightText: 2026 Equipo de Cuadrix
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/form1.h"

#include <algorithm>

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLibraryInfo>
#include <QLayout>
#include <QMenuBar>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QTranslator>

#include "app/form4.h"
#include "app/screen_reader.h"
#include "app/window_look.h"
#include "board/cell_style.h"
#include "board/text_cell.h"
#include "help/form3.h"
#include "help/frm_about.h"

namespace {

// The board's cells, in twips: 615 square, 720 apart inside a box and 840 across a box border.
constexpr int boardLeft = 240, boardTop = 600, cellSize = 615;
constexpr int clientWidth = 7110, clientHeight = 7680;

// Where row or column n (1..9) starts, from the board's top or left edge.
constexpr int cellOffset(int n) { return (n - 1) * 720 + (n - 1) / 3 * 120; }

// A message box of the game. A Yes/No question must be answered: Esc and the close button do
// nothing on it (with Cancel, they answer Cancel; with OK alone, OK).
class GameMessageBox : public QMessageBox {
public:
    GameMessageBox(const QString& title, const QString& prompt, Buttons buttons, QWidget* owner)
        : QMessageBox(QMessageBox::NoIcon, title, prompt, QMessageBox::NoButton, owner),
          mustAnswer_(buttons == Buttons::YesNo)
    {
        switch (buttons) {
        case Buttons::OK: setStandardButtons(QMessageBox::Ok); break;
        case Buttons::YesNo:
            setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            setDefaultButton(QMessageBox::Yes);
            break;
        case Buttons::YesNoCancel:
            setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
            setDefaultButton(QMessageBox::Yes);
            setEscapeButton(QMessageBox::Cancel);
            break;
        }
    }

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        if (!(mustAnswer_ && event->matches(QKeySequence::Cancel)))
            QMessageBox::keyPressEvent(event);
    }
    void closeEvent(QCloseEvent* event) override
    {
        if (mustAnswer_)
            event->ignore();
        else
            QMessageBox::closeEvent(event);
    }

private:
    bool mustAnswer_;
};

// Every window of the game carries the icon in the sizes window managers and taskbars draw. The desktop takes the
// larger ones, up to 256 pixels, from the launcher's icon in the hicolor theme: the windows' class, Cuadrix, is the
// launcher's. Those would cost start-up time and half a megabyte.
void useGameIcon()
{
    QIcon icon;
    for (int size : {16, 32, 48, 64})
        icon.addFile(QString(":/artwork/cuadrix-%1.png").arg(size), QSize(size, size));
    QApplication::setWindowIcon(icon);
}

void bringUp(QWidget* window)
{
    window->show();
    window->raise();
    window->activateWindow();
}

}  // namespace

Form1::Form1(std::string dataFolder, QWidget* parent)
    : QMainWindow(parent, closableWindow | Qt::WindowMinimizeButtonHint), game_(*this), form4Timer_(*this),
      dataFolder_(std::move(dataFolder))
{
    // The artwork is compiled into the widgets library, which is static: its resources need a call.
    Q_INIT_RESOURCE(artwork);
    installScreenReaderViews();
    setObjectName("Form1");
    setWindowTitle("Cuadrix!");

    auto* clientArea = new QWidget(this);
    useWindowLook(clientArea, "clientArea", clientWidth, clientHeight);
    // The cells' text is black where the game does not colour it, whatever the desktop's palette.
    QPalette board = clientArea->palette();
    board.setColor(QPalette::Text, Qt::black);
    clientArea->setPalette(board);
    setCentralWidget(clientArea);

    buildMenus();
    buildToolbar(clientArea);
    buildBoard(clientArea);

    // A status line 26 pixels high at the foot of the window.
    StatusBar1 = placed(new QStatusBar(clientArea), "StatusBar1", 0, clientHeight - 390, clientWidth, 390);
    StatusBar1->setSizeGripEnabled(false);
    statusText_ = new StatusLine(StatusBar1);
    StatusBar1->addWidget(statusText_, 1);

    layout()->setSizeConstraint(QLayout::SetFixedSize);
    splash_ = new Form4(form4Timer_, this);
}

Form1::~Form1()
{
    // The cells outlive this object's members while QWidget tears down; cut them loose first.
    for (int i = 1; i <= 81; ++i) {
        cells_[i]->onKeyDown = nullptr;
        cells_[i]->onFocusIn = nullptr;
        cells_[i]->onEdited = nullptr;
    }
    delete help_;
    delete about_;
}

// Each command has one action, shared by its menu item and its toolbar button.
QAction* Form1::addCommand(QMenu* menu, const MenuCommand& item)
{
    QAction* action = menu->addAction(QString::fromUtf8(item.caption));
    action->setObjectName(item.name);
    action->setShortcut(item.shortcut);
    connect(action, &QAction::triggered, this, [this, command = item.command] { (game_.*command)(); });
    commandActions_.emplace_back(item.command, action);
    return action;
}

void Form1::buildMenus()
{
    const auto add = [this](QMenu* menu, const MenuCommand& item) { return addCommand(menu, item); };
    QMenu* archivo = menuBar()->addMenu("&Archivo");
    archivo->setObjectName("archivo");
    add(archivo, {"nuevo_sudoku", "&Nuevo Sudoku", QKeySequence("Ctrl+N"), &Game::nuevo_sudoku_Click});
    archivo->addSeparator();
    add(archivo, {"guardar_sudoku", "&Guardar Partida", QKeySequence("Ctrl+G"), &Game::guardar_sudoku_Click});
    add(archivo, {"cargar_sudoku", "&Cargar Partida", QKeySequence("Ctrl+C"), &Game::cargar_sudoku_Click});
    add(archivo, {"reiniciar_sudoku", "&Reiniciar Sudoku", QKeySequence("Ctrl+R"), &Game::reiniciar_sudoku_Click});
    archivo->addSeparator();
    add(archivo, {"check", "C&hequear Errores", QKeySequence("Ctrl+H"), &Game::check_Click});
    add(archivo, {"solucionar_sudoku", "S&olucionar Sudoku", QKeySequence("Ctrl+O"), &Game::solucionar_sudoku_Click});
    archivo->addSeparator();
    add(archivo, {"salir", "&Salir", QKeySequence("Ctrl+S"), &Game::salir_Click});

    QMenu* dificultad = menuBar()->addMenu("&Dificultad");
    dificultad->setObjectName("dificultad");
    QAction* facil = add(dificultad, {"facil", "&Facil", {}, &Game::facil_Click});
    dificultad->addSeparator();
    QAction* medio = add(dificultad, {"medio", "&Medio", {}, &Game::medio_Click});
    dificultad->addSeparator();
    QAction* dificil = add(dificultad, {"dificil", "&Dificil", {}, &Game::dificil_Click});
    for (QAction* action : {facil, medio, dificil})
        action->setCheckable(true);
    facil->setChecked(true);

    QMenu* ayuda = menuBar()->addMenu("A&yuda");
    ayuda->setObjectName("ayuda");
    add(ayuda, {"historia", "&Historia de Cuadrix!...", {}, &Game::historia_Click});
    add(ayuda, {"reglas", "&Reglas de Cuadrix!...", {}, &Game::reglas_Click});
    add(ayuda, {"metodos", "&Metodos de Resolucion...", {}, &Game::metodos_Click});
    ayuda->addSeparator();
    add(ayuda, {"utilizacion", "&Utilizacion de Cuadrix!...", QKeySequence(Qt::Key_F1), &Game::utilizacion_Click});
    ayuda->addSeparator();
    add(ayuda, {"acerca", "&Acerca de...", {}, &Game::acerca_Click});
}

// The toolbar's buttons in order, each with its command, text and image, and the separator. A button is its command's
// menu item, so both are one action with one shortcut.
void Form1::buildToolbar(QWidget* clientArea)
{
    // The toolbar ends 4 pixels above the board.
    Toolbar1 = placed(new QToolBar(clientArea), "Toolbar1", 0, 0, clientWidth, boardTop - 60);
    Toolbar1->setMovable(false);
    Toolbar1->setIconSize(QSize(24, 24));
    struct Button {
        Game::Command command;
        const char* text;
        const char* image;
    };
    const Button buttons[] = {
        {&Game::nuevo_sudoku_Click, "Nuevo", "nuevo"},
        {&Game::guardar_sudoku_Click, "Guardar Partida", "guardar"},
        {&Game::cargar_sudoku_Click, "Cargar Partida", "cargar"},
        {nullptr, nullptr, nullptr},
        {&Game::check_Click, "Buscar errores", "buscar_errores"},
        {&Game::solucionar_sudoku_Click, "Solucionar", "solucionar"},
    };
    for (const Button& b : buttons) {
        if (!b.command) {
            Toolbar1->addSeparator();
            continue;
        }
        const auto item = std::find_if(commandActions_.begin(), commandActions_.end(),
                                       [&b](const auto& entry) { return entry.first == b.command; });
        if (item == commandActions_.end())
            continue;  // a command no menu item runs has no action to share
        QAction* action = item->second;
        action->setIcon(QIcon(QString(":/artwork/%1.png").arg(b.image)));
        action->setIconText(b.text);
        action->setToolTip(b.text);
        Toolbar1->addAction(action);
        QWidget* button = Toolbar1->widgetForAction(action);
        button->setFocusPolicy(Qt::NoFocus);
        button->setAccessibleName(b.text);
    }
}

void Form1::buildBoard(QWidget* clientArea)
{
    QFont font("MS Sans Serif", 24, QFont::Normal);
    font.setStyleHint(QFont::SansSerif);
    auto* cellStyle = new CellStyle(clientArea);

    for (int i = 1; i <= 81; ++i) {
        auto* cell = new TextCell(i, clientArea);
        cell->setObjectName(QString("Text1_%1").arg(i));
        cell->setFont(font);
        cell->setStyle(cellStyle);
        cell->setGeometry(px(boardLeft + cellOffset(columnOf(i))), px(boardTop + cellOffset(rowOf(i))), px(cellSize),
                          px(cellSize));
        // Only the top-left cell of each box is in the Tab order, which is the order the cells are made in.
        cell->setFocusPolicy(rowOf(i) % 3 == 1 && columnOf(i) % 3 == 1 ? Qt::StrongFocus : Qt::ClickFocus);
        cell->onKeyDown = [this](int index, int keyCode) { keyDown(index, keyCode); };
        cell->onFocusIn = [this](int index) { cellFocusIn(index); };
        cell->onEdited = [this](int index, const QString& text) {
            game_.cellEditedByPlayer(index, text.toStdString());
        };
        cells_[i] = cell;
    }
}

void Form1::start()
{
    game_.Form_Load();
    show();
    activateWindow();
    cells_[1]->setFocus(Qt::OtherFocusReason);
}

QAction* Form1::menuItem(const char* name) const { return findChild<QAction*>(name); }

// A focus the player put on a cell (mouse, Tab, or the window coming back) is reported once Qt
// has finished the focus change, since the game may answer it with a box. Losing the focus to
// a menu, a box or another window is not reported: it is not a commit.
void Form1::cellFocusIn(int i)
{
    if (movingFocus_)
        return;
    playerFocus_ = i;
    QMetaObject::invokeMethod(this, &Form1::reportPlayerFocus, Qt::QueuedConnection);
}

// A focus report still queued goes first, so that the game knows which cell the key is in.
void Form1::keyDown(int i, int keyCode)
{
    reportPlayerFocus();
    if (cells_[i]->hasFocus())
        game_.Text1_KeyDown(i, keyCode);
}

void Form1::reportPlayerFocus()
{
    const int i = std::exchange(playerFocus_, 0);
    if (i != 0 && cells_[i]->hasFocus())
        game_.cellFocusedByPlayer(i);
}

void Form1::setCellText(int i, const std::string& text)
{
    const QString wanted = QString::fromStdString(text);
    if (cells_[i]->text() != wanted)
        cells_[i]->setText(wanted);
}

// The cell setters leave a cell alone when it already shows what is asked: a command sets every
// attribute of all 81 cells, and each real change of a text, font or palette costs a text
// layout or a style resolve, an event and a repaint.
void Form1::setCellFontBold(int i, bool bold)
{
    QFont font = cells_[i]->font();
    if (font.bold() != bold) {
        font.setBold(bold);
        cells_[i]->setFont(font);
    }
}

void Form1::setCellForeColor(int i, Colour colour) { cells_[i]->setForeColour(toQColor(colour)); }
void Form1::setCellBackColor(int i, Colour colour) { cells_[i]->setBackColour(toQColor(colour)); }

void Form1::setCellLocked(int i, bool locked) { cells_[i]->setLocked(locked); }

// Qt tells screen readers of each change.
void Form1::setCellDescription(int i, const std::string& text)
{
    const QString wanted = QString::fromStdString(text);
    if (cells_[i]->accessibleDescription() != wanted)
        cells_[i]->setAccessibleDescription(wanted);
}

void Form1::setFocusToCell(int i)
{
    movingFocus_ = true;
    cells_[i]->setFocus(Qt::OtherFocusReason);
    movingFocus_ = false;
}

void Form1::setMenuChecked(MenuItem item, bool checked)
{
    const char* names[] = {"facil", "medio", "dificil"};
    menuItem(names[static_cast<int>(item)])->setChecked(checked);
}

void Form1::setStatusText(const std::string& text) { statusText_->say(QString::fromStdString(text)); }

// The panel may be wider than the window; the window keeps its size and the text is never cut
// short of the window's edge.
void Form1::setStatusWidth(int twips) { statusText_->setMinimumWidth(std::min(px(twips), StatusBar1->width() - 8)); }

Answer Form1::messageBox(const std::string& prompt, const std::string& title, Buttons buttons)
{
    const QString qTitle = title.empty() ? QStringLiteral("Cuadrix") : QString::fromStdString(title);
    const QString qPrompt = QString::fromStdString(prompt);
    // The About box's own message shows over it; every other box over the main window.
    QWidget* owner = about_ && about_->isActiveWindow() ? static_cast<QWidget*>(about_) : this;
    Answer answer;
    if (messageBox_) {
        answer = messageBox_(qPrompt, qTitle, buttons);
    } else {
        GameMessageBox box(qTitle, qPrompt, buttons, owner);
        const int pressed = box.exec();
        answer = pressed == QMessageBox::Yes ? Answer::Yes
            : pressed == QMessageBox::No     ? Answer::No
            : pressed == QMessageBox::Ok     ? Answer::OK
                                             : Answer::Cancel;
    }
    if (!ending_)
        owner->activateWindow();
    return answer;
}

void Form1::showMainWindow() { bringUp(this); }

void Form1::showSplash() { splash_->showCentred(); }
void Form1::hideSplash() { splash_->hide(); }
void Form1::startSplashTimer() { splash_->Timer1()->start(); }
void Form1::stopSplashTimer() { splash_->Timer1()->stop(); }

void Form1::showHelp(const std::string& address)
{
    if (!help_) {
        help_ = new Form3;
        // Its frame is not known before it is shown: the main window's stands in for it.
        const QSize frame = help_->size() + frameGeometry().size() - size();
        const QRect board(Text1(1)->mapToGlobal(QPoint()), Text1(81)->mapToGlobal(Text1(81)->rect().bottomRight()));
        help_->move(placeHelpWindow(frame, frameGeometry(), board, screen()->availableGeometry()));
    }
    help_->navigate(address);
    bringUp(help_);
}

void Form1::showAbout()
{
    if (!about_) {
        about_ = new FrmAboutWindow(*this);
        // Smaller than the main window, it is on screen wherever the main window is.
        about_->move(geometry().center() - about_->rect().center());
    }
    bringUp(about_);
}

// The path is the bytes the system names the file by.
bool Form1::startProgram(const std::string& path)
{
    return QProcess::startDetached(QFile::decodeName(QByteArray::fromStdString(path)), {});
}

void Form1::endProgram()
{
    ending_ = true;
    QCoreApplication::exit(0);
}

// The icon is given to the windows once the main window has first painted: its pictures do not delay the board.
bool Form1::event(QEvent* event)
{
    if (event->type() == QEvent::Paint && !std::exchange(iconGiven_, true))
        QMetaObject::invokeMethod(this, &useGameIcon, Qt::QueuedConnection);
    return QMainWindow::event(event);
}

void Form1::closeEvent(QCloseEvent* event)
{
    int cancel = 0;
    if (!ending_)
        game_.Form_QueryUnload(cancel);
    event->setAccepted(cancel == 0);
}

void useSpanishButtons()
{
    QApplication::setApplicationName("Cuadrix");
    // The launcher's name: the desktop ties the window to the launcher and its icon by it.
    QGuiApplication::setDesktopFileName("es.cuadrix.Cuadrix");
    static QTranslator qtSpanish;
    if (qtSpanish.load("qtbase_es", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtSpanish);
}
