// One cell of the board: a one-character line edit that hands its keys and focus to the game.
// SPDX-FileCopyrightText: 2026 Equipo de Cuadrix
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLineEdit>
#include <functional>

class TextCell : public QLineEdit {
    Q_OBJECT
public:
    TextCell(int index, QWidget* parent);

    int index() const { return index_; }
    void setLocked(bool locked);
    bool isLocked() const { return locked_; }
    // What a screen reader says: "fila 3, columna 5, 7, fija" or "fila 3, columna 5, vacía".
    void updateAccessibleName();
    // The background colour is drawn by the cell itself: a change costs one repaint and no
    // palette resolve, and a command may change it in all 81 cells. Invalid until set: the
    // style's text-box colour.
    void setBackColour(const QColor& colour);
    QColor backColour() const { return back_; }
    void setForeColour(const QColor& colour);

    // Set by the main window; cleared before it goes away.
    std::function<void(int index, int keyCode)> onKeyDown;
    std::function<void(int index)> onFocusIn;
    std::function<void(int index, const QString& text)> onEdited;  // a paste, not a key

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void initStyleOption(QStyleOptionFrame* option) const override;

private:
    int index_;
    bool locked_ = false;
    QString namePrefix_;  // "fila 3, columna 5, "
    QColor back_;
};
