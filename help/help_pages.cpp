// The help commands: each sends the help window to its page in the data folder.
// SPDX-FileCopyrightText: 2026 Equipo de Cuadrix
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/files/places.h"
#include "app/game.h"

// The page's address: "file://", the program folder as it is, the page's fixed part with the
// platform's separators.
void Game::showHelpPage(const std::string& Nom) { ws.showHelp("file://" + dataPath(ws.dataFolder(), Nom)); }

void Game::historia_Click() { showHelpPage("\\data\\historia.htm"); }
void Game::reglas_Click() { showHelpPage("\\data\\reglas.htm"); }
void Game::metodos_Click() { showHelpPage("\\data\\resolucion.htm"); }
void Game::utilizacion_Click() { showHelpPage("\\data\\utilizacion.htm"); }
void Game::acerca_Click() { ws.showAbout(); }
