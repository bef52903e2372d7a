// Where the files live: the level table, the data folder, the saved game's place and the player's private folder.
// SPDX-FileCopyrightText: 2026 Equipo de Cuadrix
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/files/places.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <tuple>
#include <vector>

#include "app/files/causes.h"

const std::array<Level, 3>& levels()
{
    static const std::array<Level, 3> all = {{
        {"f", "\\game\\facil.sdk", "\\game\\sol_fac.sdk", "Cuadrix! - biblioteca de sudokus faciles", "Facil"},
        {"m", "\\game\\medio.sdk", "\\game\\sol_med.sdk", "Cuadrix! - biblioteca de sudokus medios", "Medio"},
        {"d", "\\game\\dificil.sdk", "\\game\\sol_dif.sdk", "Cuadrix! - biblioteca de sudokus dificiles", "Dificil"},
    }};
    return all;
}

const Level& levelOf(const std::string& dificultad)
{
    for (const Level& level : levels())
        if (dificultad == level.code)
            return level;
    return levels()[0];
}

std::string fileName(const std::string& Nom) { return Nom.substr(Nom.rfind('\\') + 1); }

std::string dataPath(const std::string& Ruta, const std::string& Nom)
{
    std::string part = Nom;
    std::replace(part.begin(), part.end(), '\\', '/');
    return Ruta + part;
}

std::string folderOf(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
}

std::string linkTarget(const std::string& path)
{
    std::error_code ec;
    const std::string resolved = std::filesystem::canonical(path, ec).string();
    const std::filesystem::path to = std::filesystem::read_symlink(path, ec);
    return !resolved.empty() ? resolved
        : ec                 ? path
        : to.is_absolute()   ? to.string()
                             : folderOf(path) + "/" + to.string();
}

std::optional<std::string> executableFolder()
{
    std::error_code ec;
    const std::string path = std::filesystem::read_symlink("/proc/self/exe", ec).string();
    if (ec || path[0] != '/')
        return std::nullopt;
    return path.substr(0, path.rfind('/'));
}

std::string dataFolderOf(const std::string& programFolder)
{
    std::error_code ec;
    if (std::filesystem::is_directory(programFolder + "/game", ec))
        return programFolder;
    const std::string shared =
        std::filesystem::path(programFolder + "/.." + sharedDataTail).lexically_normal().string();
    return std::filesystem::is_directory(shared + "/game", ec) ? shared : programFolder;
}

bool isSharedData(const std::string& dataFolder)
{
    return dataFolder.size() >= sharedDataTail.size()
        && dataFolder.compare(dataFolder.size() - sharedDataTail.size(), sharedDataTail.size(), sharedDataTail) == 0;
}

std::string ownFolder()
{
    const char* dataHome = std::getenv("XDG_DATA_HOME");
    if (dataHome && dataHome[0] == '/')
        return std::string(dataHome) + "/cuadrix";
    const char* home = std::getenv("HOME");
    if (!home || home[0] != '/') {
        const passwd* user = ::getpwuid(::geteuid());
        home = user && user->pw_dir[0] == '/' ? user->pw_dir : "";
    }
    return std::string(home) + "/.local/share/cuadrix";
}

PlayerFolder playerFolder(const std::string& dataFolder)
{
    if (!isSharedData(dataFolder) && ::access((dataFolder + "/game").c_str(), W_OK) == 0)
        return {dataFolder, false};
    return {ownFolder(), true};
}

SavePlace savedGamePlace(const std::string& dataFolder)
{
    const PlayerFolder player = playerFolder(dataFolder);
    return {player.path, player.own ? ownPartidaNom : partidaNom, player.own};
}

SavePlace savedGameToLoad(const std::string& dataFolder)
{
    const SavePlace save = savedGamePlace(dataFolder);
    const SavePlace other =
        save.privateFolder ? SavePlace{dataFolder, partidaNom, false} : SavePlace{ownFolder(), ownPartidaNom, true};
    // When a usable saved game at a place was last written.
    const auto written = [&dataFolder](const SavePlace& place) -> std::optional<timespec> {
        const std::string path = dataPath(place.Ruta, place.Nom);
        struct stat st;
        const bool usable = place.privateFolder ? notOwnedCause(path).empty() : !isSharedData(dataFolder);
        return usable && ::stat(path.c_str(), &st) == 0 ? std::optional(st.st_mtim) : std::nullopt;
    };
    const std::optional<timespec> there = written(save), elsewhere = written(other);
    const bool later =
        elsewhere && there && std::tie(elsewhere->tv_sec, elsewhere->tv_nsec) > std::tie(there->tv_sec, there->tv_nsec);
    return elsewhere && (!there || later) ? other : save;
}

std::string levelFolder(const std::string& dataFolder, const Level& level)
{
    const PlayerFolder player = playerFolder(dataFolder);
    const std::string library = dataPath(player.path, level.libraryNom);
    struct stat st;
    return player.own && ::lstat(library.c_str(), &st) == 0 && notOwnedCause(library).empty()
            && notOwnedCause(dataPath(player.path, level.solutionNom)).empty()
        ? player.path
        : dataFolder;
}

namespace {

// The names of a path, last first, to be taken from the back.
std::vector<std::string> namesOf(const std::string& path)
{
    std::vector<std::string> names;
    for (std::size_t end = path.size(), slash; end > 0; end = slash) {
        slash = path.rfind('/', end - 1);
        slash = slash == std::string::npos ? 0 : slash;
        names.push_back(path.substr(slash + (path[slash] == '/'), end - slash - (path[slash] == '/')));
    }
    return names;
}

}  // namespace

std::string notOwnedCause(const std::string& path, bool make)
{
    const uid_t me = ::geteuid();
    std::vector<std::string> names = namesOf(path);
    std::string at = path[0] == '/' ? "" : ".";
    struct stat st;
    for (int links = 0; !names.empty();) {
        const std::string name = names.back();
        names.pop_back();
        if (name.empty() || name == "." || name == "..") {
            at = name == ".." && !at.empty() && at != "." ? folderOf(at) : at;
            at = at == "/" ? "" : at;
            continue;
        }
        const std::string next = at + "/" + name;
        if (::lstat(next.c_str(), &st) != 0
            && (!make || errno != ENOENT || ::mkdir(next.c_str(), 0700) != 0 || ::lstat(next.c_str(), &st) != 0))
            return make ? fileErrorText(errno) : "";
        if (st.st_uid != me && (st.st_uid != 0 || (names.empty() && !S_ISLNK(st.st_mode))))
            return notOwnedText(next, st.st_mode, st.st_uid);
        if (!S_ISLNK(st.st_mode)) {
            at = next;
            continue;
        }
        std::error_code ec;
        const std::string to = std::filesystem::read_symlink(next, ec).string();
        if (ec || ++links > 40)
            return fileErrorText(ec ? ec.value() : ELOOP);
        const std::vector<std::string> more = namesOf(to);
        names.insert(names.end(), more.begin(), more.end());
        at = to[0] == '/' ? "" : at;
    }
    return "";
}

std::string readyOwnFolder(const std::string& folder)
{
    const std::string cause = notOwnedCause(folder, true);
    struct stat st;
    if (!cause.empty() || ::stat(folder.c_str(), &st) != 0)
        return cause.empty() ? fileErrorText(errno) : cause;
    if (!S_ISDIR(st.st_mode))
        return fileErrorText(ENOTDIR);
    return (st.st_mode & 077) && ::chmod(folder.c_str(), 0700) != 0 ? fileErrorText(errno) : "";
}
