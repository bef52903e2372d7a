// One cell of the board: a one-character line edit that hands its keys and focus to the game.
// SPDX-FileCopyrightText: 2026 Equipo de Cuadrix
// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/text_cell.h"

#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QStyleOptionFrame>
#include <chrono>
#include <cstdio>
#include <utility>

#include "board/key_codes_qt.h"

TextCell::TextCell(int index, QWidget* parent)
    : QLineEdit(parent), index_(index),
      namePrefix_(QStringLiteral("fila %1, columna %2, ").arg((index - 1) / 9 + 1).arg((index - 1) % 9 + 1))
{
    setMaxLength(1);
    setAlignment(Qt::AlignCenter);
    // A text dropped on a cell that has not the focus would never be committed: text comes by keys and pastes only.
    setAcceptDrops(false);
    connect(this, &QLineEdit::textChanged, this, &TextCell::updateAccessibleName);
    connect(this, &QLineEdit::textEdited, this, [this](const QString& text) {
        if (onEdited)
            onEdited(index_, text);
    });
    updateAccessibleName();
}

void TextCell::setLocked(bool locked)
{
    if (locked == locked_)
        return;
    locked_ = locked;
    setReadOnly(locked);
    updateAccessibleName();
}

void TextCell::updateAccessibleName()
{
    const QString content = text().trimmed().isEmpty() ? QStringLiteral("vac\u00eda") : text();
    setAccessibleName(namePrefix_ + content + (locked_ ? QStringLiteral(", fija") : QString()));
}

void TextCell::setBackColour(const QColor& colour)
{
    if (colour == back_)
        return;
    back_ = colour;
    update();
}

// The panel is drawn with the cell's background colour in place of the text-box colour.
void TextCell::initStyleOption(QStyleOptionFrame* option) const
{
    QLineEdit::initStyleOption(option);
    if (back_.isValid())
        option->palette.setColor(QPalette::Base, back_);
}

// Only the text colour is set in the cell's palette: the other colours follow the board's. A cell
// that shows the board's own text colour keeps the board's palette (most cells of a new puzzle
// are open and black); Qt itself skips a palette that changes nothing.
void TextCell::setForeColour(const QColor& colour)
{
    if (!testAttribute(Qt::WA_SetPalette) && palette().color(QPalette::Text) == colour)
        return;
    QPalette palette = this->palette();
    palette.setColor(QPalette::Text, colour);
    setPalette(palette);
}

bool TextCell::event(QEvent* event)
{
    // The cell claims no key ahead of the window's shortcuts (it leaves the override unaccepted):
    // a menu shortcut typed in a cell reaches its menu, and every other key still comes to keyPressEvent.
    if (event->type() == QEvent::ShortcutOverride)
        return true;
    return QLineEdit::event(event);
}

// Every key goes to the game; the line edit adds or deletes nothing itself, since the game
// has just written the cell's one character.
void TextCell::keyPressEvent(QKeyEvent* event)
{
    if (onKeyDown)
        onKeyDown(index_, virtualKeyCode(*event));
    event->accept();
}

void TextCell::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    if (onFocusIn)
        onFocusIn(index_);
}

// The context-menu key is a key like any other here; the mouse still opens the menu.
void TextCell::contextMenuEvent(QContextMenuEvent* event)
{
    if (event->reason() == QContextMenuEvent::Keyboard)
        event->accept();
    else
        QLineEdit::contextMenuEvent(event);
}

// With CUADRIX_TRACE set, the first paint of the last cell (the end of the first paint of the
// board) prints the wall-clock time in microseconds, for the start-up measurement.
void TextCell::paintEvent(QPaintEvent* event)
{
    QLineEdit::paintEvent(event);
    static bool traced = !qEnvironmentVariableIsSet("CUADRIX_TRACE");
    if (index_ == 81 && !std::exchange(traced, true)) {
        const auto now = std::chrono::system_clock::now().time_since_epoch();
        std::fprintf(stderr, "cuadrix-trace painted %lld\n",
                     static_cast<long long>(std::chrono::duration_cast<std::chrono::microseconds>(now).count()));
    }
}
