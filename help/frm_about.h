// The About box window.
// SPDX-FileCopyrightText: 2026 Equipo de Cuadrix
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include "help/about.h"

class QPushButton;

class FrmAboutWindow : public QWidget {
    Q_OBJECT
public:
    explicit FrmAboutWindow(WindowSystem& ws);
    QPushButton* cmdSysInfo() const { return cmdSysInfo_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    FrmAbout logic_;
    QPushButton* cmdOK_;
    QPushButton* cmdSysInfo_;

    void buildLabels(const AboutTexts& texts);
    void buildSeparator();
};
