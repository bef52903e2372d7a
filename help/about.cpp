// The About box's logic: the texts it shows, and its system-information button.
// SPDX-FileCopyrightText: 2026 Equipo de Cuadrix
// SPDX-License-Identifier: GPL-3.0-or-later
#include "help/about.h"

AboutTexts FrmAbout::Form_Load()
{
    AboutTexts texts;
    texts.caption = "Acerca de " + appTitle;
    texts.lblVersion = "Versión " + versionText();
    texts.lblTitle = appTitle;
    return texts;
}

// This platform has no system-information tool to start, so the button says so at once; the
// box's empty title shows the application's title.
void FrmAbout::StartSysInfo()
{
    ws.messageBox("La información del sistema no está disponible en este momento", "", Buttons::OK);
}
