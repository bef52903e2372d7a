// The program's title and version, for the game and cuadrix-biblioteca alike.
// SPDX-FileCopyrightText: 2026 Equipo de Cuadrix
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// The program's title.
inline const std::string appTitle = "Cuadrix";
// The version as "1.0.0": the project's version, written once in CMakeLists.txt.
std::string versionText();
