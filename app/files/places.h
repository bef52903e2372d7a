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

// Whether a data folder is a system-wide install's shared data, which is only ever read.
bool isSharedData(const std::string& dataFolder);

// The player's own folder: $XDG_DATA_HOME/cuadrix (~/.local/share/cuadrix when XDG_DATA_HOME is unset or relative).
// It holds the player's saved game, partida.sdk, and in its game/ the libraries this player's game reads.
std::string ownFolder();

// The folder of this player's game files for a data folder. A program folder of its own whose game/ the player can
// write keeps everything there: the libraries as shipped and the saved game in game/. A system-wide install, or a
// folder the player cannot write, uses the player's own folder (own), which is checked before any use.
struct PlayerFolder {
    std::string path;
    bool own = false;
};
PlayerFolder playerFolder(const std::string& dataFolder);

// Where the saved game is kept: the folder (Ruta) and the fixed part (Nom) GuardarPartida and CargarPartida join.
struct SavePlace {
    std::string Ruta, Nom;
    bool privateFolder = false;  // the player's own folder: made for the player alone (0700, file 0600) when missing
};
// game/partida.sdk in a program folder of its own, partida.sdk in the player's own folder (where players of earlier
// versions have it).
SavePlace savedGamePlace(const std::string& dataFolder);
inline const std::string partidaNom = "\\game\\partida.sdk";
inline const std::string ownPartidaNom = "\\partida.sdk";  // the player's own folder has no game/ for it
// The saved game a load reads: of the program folder's game/partida.sdk (never the shared data's) and the player's own
// partida.sdk (when it is the player's), the one written last; on a tie, or when neither is there, where a save goes.
SavePlace savedGameToLoad(const std::string& dataFolder);

// The folder whose game/ holds the two files of a level that this player's game reads: the player's own folder once
// it holds the level's library and the folder and both files are the player's; else the data folder, as shipped.
std::string levelFolder(const std::string& dataFolder, const Level& level);

// Why a path may not be used as the player's own, as a phrase ("" when it may, or when it is not there): a folder or
// a symbolic link on the way to it that is neither the player's nor root's, or a path that is not the player's.
// Links are followed as the system follows them. With make, missing folders on the way are made for the player alone
// (0700), each only once the way to it is checked.
std::string notOwnedCause(const std::string& path, bool make = false);
// Makes the player's own folder (or a folder in it) when missing, checks it as notOwnedCause does, and closes it to
// everyone else (0700). Returns why it may not be used, or "".
std::string readyOwnFolder(const std::string& folder);
