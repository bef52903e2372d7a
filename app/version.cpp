// The version numbers the build gives, as text.
// SPDX-FileCopyrightText: 2026 Equipo de Cuadrix
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/version.h"

std::string versionText()
{
    return std::to_string(CUADRIX_VERSION_MAJOR) + "." + std::to_string(CUADRIX_VERSION_MINOR) + "."
        + std::to_string(CUADRIX_VERSION_PATCH);
}
