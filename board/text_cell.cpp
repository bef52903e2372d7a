// One cell of the board: a one-character line edit that hands its keys and focus to the game.
#include "board/text_cell.h"

#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QStyleOptionFrame>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <map>
#include <utility>

#include "board/key_codes_qt.h"

// The menu shortcuts: a cell must not take them for copying or editing.
static bool isMenuShortcut(const QKeyEvent& key)
{
    if (key.key() == Qt::Key_F1 && !(key.modifiers() & ~Qt::KeypadModifier))
        return true;
    if ((key.modifiers() & ~Qt::KeypadModifier) != Qt::ControlModifier)
        return false;
    const int letters[] = {Qt::Key_N, Qt::Key_G, Qt::Key_C, Qt::Key_R, Qt::Key_H, Qt::Key_O, Qt::Key_S};
    return std::find(std::begin(letters), std::end(letters), key.key()) != std::end(letters);
}

TextCell::TextCell(int index, QWidget* parent)
    : QLineEdit(parent), index_(index),
      namePrefix_(QStringLiteral("fila %1, columna %2, ").arg((index - 1) / 9 + 1).arg((index - 1) % 9 + 1))
{
    setMaxLength(1);
    setAlignment(Qt::AlignCenter);
    connect(this, &QLineEdit::textChanged, this, &TextCell::updateAccessibleName);
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
    const QString name = namePrefix_ + content + (locked_ ? QStringLiteral(", fija") : QString());
    if (name != accessibleName())
        setAccessibleName(name);
}

void TextCell::setBackColour(const QColor& colour)
{
    if (colour == back_)
        return;
    back_ = colour;
    update();
}

// The panel's palette is the cell's with the background colour; it is made again only when one of
// the two changed, not at every paint.
void TextCell::initStyleOption(QStyleOptionFrame* option) const
{
    QLineEdit::initStyleOption(option);
    if (!back_.isValid())
        return;
    if (option->palette.cacheKey() != panelFrom_ || panel_.color(QPalette::Base) != back_) {
        panelFrom_ = option->palette.cacheKey();
        panel_ = option->palette;
        panel_.setColor(QPalette::Base, back_);
    }
    const QPalette::ColorGroup group = option->palette.currentColorGroup();
    option->palette = panel_;
    option->palette.setCurrentColorGroup(group);
}

void TextCell::setForeColour(const QColor& colour)
{
    if (palette().isBrushSet(QPalette::Active, QPalette::Text) && palette().color(QPalette::Text) == colour)
        return;
    // Only the text colour is set in these palettes: every other colour still follows the board's.
    static std::map<QRgb, QPalette> palettes;
    const auto [found, added] = palettes.try_emplace(colour.rgba());
    if (added)
        found->second.setColor(QPalette::Text, colour);
    setPalette(found->second);
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
