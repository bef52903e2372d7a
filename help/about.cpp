// The About box's logic: the texts it shows, and its system-information button.
// SPDX-FileCopyrightText: 2026 Equipo de Cuadrix
// SPDX-License-Identifier: GPL-3.0-or-later
#include "help/about.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>

AboutTexts FrmAbout::Form_Load()
{
    AboutTexts texts;
    texts.caption = "Acerca de " + appTitle;
    texts.lblVersion = "Versión " + versionText();
    texts.lblTitle = appTitle;
    return texts;
}

std::string findProgram(const std::vector<std::string>& names, const std::string& search)
{
    for (const std::string& name : names) {
        std::istringstream folders(search);
        for (std::string folder; std::getline(folders, folder, ':');) {
            const std::string path = folder + "/" + name;
            std::error_code error;
            if (folder.rfind('/', 0) == 0 && std::filesystem::is_regular_file(path, error)
                && ::access(path.c_str(), X_OK) == 0)
                return path;
        }
    }
    return "";
}

// The system-information program found on the PATH, or the message that there is none; the message's empty title
// shows the application's title.
void FrmAbout::StartSysInfo()
{
    const char* search = std::getenv("PATH");
    const std::string program = findProgram(sysInfoPrograms, search ? search : "");
    if (program.empty() || !ws.startProgram(program))
        ws.messageBox("La información del sistema no está disponible en este momento", "", Buttons::OK);
}
