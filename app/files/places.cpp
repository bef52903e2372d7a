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

SavePlace savedGamePlace(const std::string& dataFolder)
{
    const bool shared = dataFolder.size() >= sharedDataTail.size()
        && dataFolder.compare(dataFolder.size() - sharedDataTail.size(), sharedDataTail.size(), sharedDataTail) == 0;
    if (!shared && ::access((dataFolder + "/game").c_str(), W_OK) == 0)
        return {dataFolder, partidaNom, false};
    const std::string own = partidaNom.substr(partidaNom.rfind('\\'));  // the player's folder has no game/ in it
    const char* dataHome = std::getenv("XDG_DATA_HOME");
    if (dataHome && dataHome[0] == '/')
        return {std::string(dataHome) + "/cuadrix", own, true};
    const char* home = std::getenv("HOME");
    if (!home || home[0] != '/') {
        const passwd* user = ::getpwuid(::geteuid());
        home = user && user->pw_dir[0] == '/' ? user->pw_dir : "";
    }
    return {std::string(home) + "/.local/share/cuadrix", own, true};
}

int makePrivateFolder(const std::string& folder)
{
    for (std::size_t slash = folder.find('/', 1);; slash = folder.find('/', slash + 1)) {
        if (::mkdir(folder.substr(0, slash).c_str(), 0700) != 0 && errno != EEXIST)
            return errno;
        struct stat st;
        if (slash == std::string::npos)
            return ::stat(folder.c_str(), &st) == 0 && st.st_uid == ::geteuid() && ::chmod(folder.c_str(), 0700) != 0
                ? errno
                : 0;
    }
}
