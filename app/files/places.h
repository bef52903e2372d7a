// Where the files live: each level's two files, the program's data folder, the saved game's place, private folders.
// SPDX-FileCopyrightText: 2026 Equipo de Cuadrix
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <optional>
#include <string>

// One difficulty and its two files. The fixed parts are appended to the data folder.
struct Level {
    const char* code;         // "f", "m", "d"
    const char* libraryNom;   // "\\game\\facil.sdk"
    const char* solutionNom;  // "\\game\\sol_fac.sdk"
    const char* header;       // first line of both files when the tool starts them
    const char* labelPrefix;  // the tool's labels are "<prefix> 001", "<prefix> 002", ...
};
const std::array<Level, 3>& levels();
// The level of a difficulty code; any code other than "f", "m" or "d" reads the easy files.
const Level& levelOf(const std::string& dificultad);
// The file name of a fixed part: "facil.sdk" for "\\game\\facil.sdk".
std::string fileName(const std::string& Nom);

// The data folder followed by a fixed part such as "\game\partida.sdk"; the fixed part's backslashes become '/', the
// folder's own characters are kept as they are.
std::string dataPath(const std::string& Ruta, const std::string& Nom);

// The folder of a path ("." for a bare name, "/" for one at the root), and the file a path leads to, symbolic links
// followed: also a file a link names that does not exist yet.
std::string folderOf(const std::string& path);
std::string linkTarget(const std::string& path);

// The folder of the running program as the bytes the system gives, without a trailing '/' ("" for the root); nothing
// when it cannot be known.
std::optional<std::string> executableFolder();

// Where a system-wide install keeps the data: <prefix>/share/games/cuadrix, its programs being in <prefix>/games.
inline const std::string sharedDataTail = "/share/games/cuadrix";

// The folder that holds game/ and data/ for a program in programFolder: the program's own folder when game/ stands
// beside the program (a folder of its own, which can be copied anywhere), else the shared data of a system-wide
// install, <prefix>/share/games/cuadrix.
std::string dataFolderOf(const std::string& programFolder);

// Where the saved game is kept: the folder (Ruta) and the fixed part (Nom) GuardarPartida and CargarPartida join.
struct SavePlace {
    std::string Ruta, Nom;
    bool privateFolder = false;  // created for the player alone (folder 0700, file 0600) when missing
};
// A folder of its own whose game/ the player can write keeps the saved game there, game/partida.sdk. A system-wide
// install, or a folder the player cannot write, keeps it in the player's own data folder: $XDG_DATA_HOME/cuadrix
// (~/.local/share/cuadrix when XDG_DATA_HOME is unset or relative), partida.sdk.
SavePlace savedGamePlace(const std::string& dataFolder);
inline const std::string partidaNom = "\\game\\partida.sdk";

// Makes the folder and those above it that are missing, each for the owner alone (0700), and closes the folder itself
// to others when it is the user's. Returns 0 or the errno of what failed.
int makePrivateFolder(const std::string& folder);
