// What screen readers are told of the board's cells and of the status line.
// SPDX-FileCopyrightText: 2026 Equipo de Cuadrix
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/screen_reader.h"

#include <QAccessibleWidget>

#include "board/text_cell.h"

namespace {

// A cell as a one-character text field. Qt's own view of a line edit calls it editable even when it is read-only.
class CellView : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit CellView(TextCell* cell) : QAccessibleWidget(cell, QAccessible::EditableText) {}
    TextCell* cell() const { return static_cast<TextCell*>(widget()); }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = cell()->isReadOnly();
        state.editable = !state.readOnly;
        return state;
    }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Value ? cell()->text() : QAccessibleWidget::text(t);
    }
    void* interface_cast(QAccessible::InterfaceType t) override
    {
        return t == QAccessible::TextInterface ? static_cast<QAccessibleTextInterface*>(this)
                                               : QAccessibleWidget::interface_cast(t);
    }

    // The text, the caret and no selection.
    QString text(int start, int end) const override { return cell()->text().mid(start, end - start); }
    int characterCount() const override { return int(cell()->text().size()); }
    int cursorPosition() const override { return cell()->cursorPosition(); }
    void setCursorPosition(int position) override { cell()->setCursorPosition(position); }
    QRect characterRect(int) const override { return rect(); }
    int offsetAtPoint(const QPoint&) const override { return 0; }
    void selection(int, int* start, int* end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int* start, int* end) const override { return *start = *end = offset, QString(); }
};

class StatusView : public QAccessibleWidget {
public:
    explicit StatusView(StatusLine* line) : QAccessibleWidget(line, QAccessible::Notification) {}
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name ? static_cast<QLabel*>(widget())->text() : QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* screenReaderView(const QString&, QObject* object)
{
    if (auto* cell = qobject_cast<TextCell*>(object))
        return new CellView(cell);
    if (auto* line = qobject_cast<StatusLine*>(object))
        return new StatusView(line);
    return nullptr;
}

}  // namespace

void StatusLine::say(const QString& text)
{
    setText(text);
    QAccessibleEvent shown(this, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

void installScreenReaderViews()
{
    static const bool installed = (QAccessible::installFactory(screenReaderView), true);
    (void)installed;
}
