// The About box window.
// SPDX-FileCopyrightText: 2026 Equipo de Cuadrix
// SPDX-License-Identifier: GPL-3.0-or-later
#include "help/frm_about.h"

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>

#include <QFrame>
#include <QGuiApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include "app/window_look.h"

namespace {

// Keeps a window out of the taskbar and the pager on X11: the window manager reads these states when the
// window is first shown, and Qt adds its own to them. No window type of Qt asks for them without also
// giving the window a transient-for hint.
void skipTaskbar(QWidget* window)
{
    // Other platforms have no connection; the offscreen one may answer as X11 without one.
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
    if (!connection)
        return;
    const auto atom = [connection](const char* name) {
        xcb_intern_atom_reply_t* reply =
            xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 0, std::strlen(name), name), nullptr);
        const xcb_atom_t found = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
        std::free(reply);
        return found;
    };
    const xcb_atom_t states[] = {atom("_NET_WM_STATE_SKIP_TASKBAR"), atom("_NET_WM_STATE_SKIP_PAGER")};
    xcb_change_property(connection, XCB_PROP_MODE_APPEND, window->winId(), atom("_NET_WM_STATE"), XCB_ATOM_ATOM, 32, 2,
                        states);
}

}  // namespace

// A plain window with no owner: a dialog, even one without a parent, gets a transient-for hint on
// X11, and the window manager would then keep it above the board.
FrmAboutWindow::FrmAboutWindow(WindowSystem& ws) : QWidget(nullptr, closableWindow), logic_(ws)
{
    skipTaskbar(this);
    useWindowLook(this, "frmAbout", 5145, 2595);
    setAttribute(Qt::WA_DeleteOnClose);
    // The box is laid out for a narrow 8-point dialog font: the desktop's wider one cuts the
    // button texts short.
    QFont dialogFont("Arial", 8);
    dialogFont.setStyleHint(QFont::SansSerif);
    setFont(dialogFont);

    const AboutTexts texts = FrmAbout::Form_Load();
    setWindowTitle(QString::fromStdString(texts.caption));
    buildLabels(texts);

    cmdOK_ = placed(new QPushButton("Aceptar", this), "cmdOK", 3360, 1320, 1500, 345);
    cmdOK_->setDefault(true);
    cmdOK_->setAutoDefault(true);
    connect(cmdOK_, &QPushButton::clicked, this, &QWidget::close);

    cmdSysInfo_ = placed(new QPushButton("&Info. del sistema...", this), "cmdSysInfo", 3360, 1920, 1485, 345);
    connect(cmdSysInfo_, &QPushButton::clicked, this, [this] { logic_.cmdSysInfo_Click(); });

    setTabOrder(cmdOK_, cmdSysInfo_);
    cmdOK_->setFocus();
}

// The picture, the texts and, between them, the separator.
void FrmAboutWindow::buildLabels(const AboutTexts& texts)
{
    // Through QIcon, which takes the @2x file on a screen with twice the pixels.
    auto* picIcon = placed(new QLabel(this), "picIcon", 240, 240, 780, 780);
    picIcon->setPixmap(QIcon(":/artwork/acerca.png").pixmap(picIcon->size()));
    auto* lblTitle = placed(new QLabel(QString::fromStdString(texts.lblTitle), this), "lblTitle", 1050, 240, 3885, 240);
    QFont bold = lblTitle->font();
    bold.setBold(true);
    lblTitle->setFont(bold);
    placed(new QLabel(QString::fromStdString(texts.lblVersion), this), "lblVersion", 1050, 480, 3885, 225);
    placed(new QLabel("Un juego del equipo de Cuadrix", this), "Label1", 1050, 720, 3885, 225);
    buildSeparator();
    auto* lblDescription =
        placed(new QLabel("Sumergete en el universo Sudoku", this), "lblDescription", 210, 1245, 2925, 1170);
    lblDescription->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblDescription->setWordWrap(true);
}

// The etched separator: a grey line with a white one just below it.
void FrmAboutWindow::buildSeparator()
{
    auto* grey = new QFrame(this);
    grey->setObjectName("Line1_1");
    grey->setGeometry(px(90), px(1125), px(5040 - 90), 1);
    grey->setStyleSheet("background: #808080;");
    auto* white = new QFrame(this);
    white->setObjectName("Line1_0");
    white->setGeometry(px(105), px(1140), px(5040 - 105), 2);
    white->setStyleSheet("background: #ffffff;");
}

// Enter presses the button with the focus, or "Aceptar" when no button has it; Esc presses "Aceptar".
void FrmAboutWindow::keyPressEvent(QKeyEvent* event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter || event->key() == Qt::Key_Escape) {
        auto* focused = qobject_cast<QPushButton*>(focusWidget());
        (enter && focused ? focused : cmdOK_)->click();
        return;
    }
    QWidget::keyPressEvent(event);
}
