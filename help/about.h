// The About box's logic: the texts it shows, and its system-information button.
// SPDX-FileCopyrightText: 2026 Equipo de Cuadrix
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "app/version.h"
#include "app/window_system.h"

struct AboutTexts {
    std::string caption;
    std::string lblTitle;
    std::string lblVersion;
};

class FrmAbout {
public:
    explicit FrmAbout(WindowSystem& ws) : ws(ws) {}

    // The texts the box shows, set each time it is created.
    static AboutTexts Form_Load();
    void cmdSysInfo_Click() { StartSysInfo(); }

private:
    WindowSystem& ws;

    void StartSysInfo();
};
