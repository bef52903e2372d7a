// The About box's logic: the texts it shows, and its system-information button.
// SPDX-FileCopyrightText: 2026 Equipo de Cuadrix
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

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

// The desktops' system-information programs, the first found started: one for any desktop, then KDE's and Xfce's.
inline const std::vector<std::string> sysInfoPrograms = {"hardinfo", "kinfocenter", "xfce4-about"};
// The path of the first of names that one of the folders of search (a PATH list) holds as an executable regular
// file, or as a link to one; "" when none does. Folders not given from the root are not searched.
std::string findProgram(const std::vector<std::string>& names, const std::string& search);
