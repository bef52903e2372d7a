// The splash window shown while the game starts.
// SPDX-FileCopyrightText: 2026 Equipo de Cuadrix
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QTimer;
class Form4Timer;

class Form4 : public QWidget {
    Q_OBJECT
public:
    Form4(Form4Timer& ticks, QWidget* owner);
    QTimer* Timer1() const { return Timer1_; }
    // Shows the splash in the centre of the screen as soon as its owner, the main window, has finished
    // its next paint (at start-up its first): nothing of the splash delays the board. The owner keeps
    // the activation, and so the focus in cell 1.
    void showCentred();
    void setVisible(bool visible) override;

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QTimer* Timer1_;
    bool showPending_ = false;

    void showNow();
    void buildContents();
};
