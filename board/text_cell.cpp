// One cell of the board: a one-character line edit that hands its keys and focus to the game.
#include "board/text_cell.h"

#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QKeyEvent>

#include "board/key_codes_qt.h"

namespace {

// The menu shortcuts: a cell must not take them for copying or editing.
bool isMenuShortcut(const QKeyEvent& key)
{
    if (key.key() == Qt::Key_F1 && !(key.modifiers() & ~Qt::KeypadModifier))
        return true;
    if ((key.modifiers() & ~Qt::KeypadModifier) != Qt::ControlModifier)
        return false;
    switch (key.key()) {
    case Qt::Key_N: case Qt::Key_G: case Qt::Key_C: case Qt::Key_R:
    case Qt::Key_H: case Qt::Key_O: case Qt::Key_S:
        return true;
    default:
        return false;
    }
}

}  // namespace

TextCell::TextCell(int index, QWidget* parent) : QLineEdit(parent), index_(index)
{
    setMaxLength(1);
    setAlignment(Qt::AlignCenter);
    setTextMargins(0, 0, 0, 0);
    connect(this, &QLineEdit::textChanged, this, &TextCell::updateAccessibleName);
    updateAccessibleName();
}

void TextCell::setLocked(bool locked)
{
    locked_ = locked;
    setReadOnly(locked);
    updateAccessibleName();
}

void TextCell::updateAccessibleName()
{
    const QString content = text().trimmed().isEmpty() ? QString::fromUtf8("vacía") : text();
    QString name = QStringLiteral("fila %1, columna %2, %3").arg((index_ - 1) / 9 + 1).arg((index_ - 1) % 9 + 1).arg(content);
    if (locked_)
        name += QStringLiteral(", fija");
    setAccessibleName(name);
}

bool TextCell::event(QEvent* event)
{
    if (event->type() == QEvent::ShortcutOverride && isMenuShortcut(*static_cast<QKeyEvent*>(event))) {
        event->ignore();
        return true;
    }
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
        onFocusIn(index_, event->reason());
}

void TextCell::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    if (onFocusOut)
        onFocusOut(index_, event->reason());
}

// The context-menu key is a key like any other here; the mouse still opens the menu.
void TextCell::contextMenuEvent(QContextMenuEvent* event)
{
    if (event->reason() == QContextMenuEvent::Keyboard) {
        event->accept();
        return;
    }
    QLineEdit::contextMenuEvent(event);
}
