// The folder a cuadrix-biblioteca command works on: the one --carpeta names or this player's own, refused where the
// package's files are or where a player's folder is not the player's; and a level held in it.
// SPDX-FileCopyrightText: 2026 Equipo de Cuadrix
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/biblioteca/work_folder.h"

#include <system_error>

#include "app/files/files.h"

namespace biblioteca {

namespace fs = std::filesystem;

bool inSharedData(const fs::path& folder)
{
    std::error_code ec;
    return (fs::weakly_canonical(folder, ec).string() + "/").find(sharedDataTail + "/") != std::string::npos;
}

Where workFolder(const Arguments& a, const std::string& dataFolder, bool changes)
{
    const auto it = a.options.find("--carpeta");
    if (dataFolder.empty() && it == a.options.end())
        throw UsageError{"no se sabe en qué carpeta está este programa: indique --carpeta"};
    const PlayerFolder player = playerFolder(dataFolder);
    const fs::path mine = dataPath(player.path, "\\game");
    Where where{it != a.options.end() ? fs::path(it->second) : mine,
                dataPath(dataFolder, "\\game"),
                it == a.options.end() && player.own,
                {dataPath(ownFolder(), ownPartidaNom), dataPath(dataFolder, partidaNom)}};
    where.savedGames.push_back(where.game / "partida.sdk");
    if (changes && inSharedData(where.game))
        throw Refusal{"los sudokus de " + where.game.string()
                      + " son los que instaló el paquete, y no se cambian; los suyos están en " + mine.string()
                      + ", donde trabaja cuadrix-biblioteca sin --carpeta"};
    std::string cause = where.own ? readyOwnFolder(player.path) : "";
    if (cause.empty() && where.own)
        cause = readyOwnFolder(where.game.string());
    if (!cause.empty())
        throw Refusal{"no se pueden usar los sudokus de " + where.game.string() + ": " + cause};
    requireFolder(where.game);
    return where;
}

std::string hold(const Where& where, const Level& level, std::ostream& out, std::unique_ptr<LevelHold>& held,
                 Refreshed* done)
{
    held = std::make_unique<LevelHold>(where.game, level, out, where.own);
    Refreshed ignored;
    return *held && where.own ? startFromShipped(*held, where.shipped, done ? *done : ignored) : held->why();
}

}  // namespace biblioteca
