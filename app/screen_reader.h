// What screen readers are told of the board's cells and of the status line.
// SPDX-FileCopyrightText: 2026 Equipo de Cuadrix
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

// The status line: a notification inside the status bar, which a screen reader speaks each time it is shown again.
class StatusLine : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;
    // Writes the text and has screen readers say it, even when it is the text already there.
    void say(const QString& text);
};

// From here on a given cell is read-only and not editable to screen readers, and the status line a notification.
// Before any cell or status line is made.
void installScreenReaderViews();
