// Holding a level: waiting for the run that holds it, the repair of an abandoned marker, the marker made and written.
// SPDX-FileCopyrightText: 2026 Equipo de Cuadrix
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/biblioteca/holding.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <ostream>
#include <thread>

#include "app/files/reading.h"
#include "tools/biblioteca/repair.h"

namespace biblioteca {

namespace fs = std::filesystem;

std::chrono::milliseconds waitLimit{60000};

std::optional<std::vector<std::string>> markerLines(int marker)
{
    const auto [bytes, error] = readOpenFile(marker);
    if (error)
        return std::nullopt;
    std::vector<std::string> lines;
    for (std::size_t at = 0, end; at < bytes.size(); at = end + 2) {
        if ((end = bytes.find("\r\n", at)) == std::string::npos)
            return std::nullopt;
        lines.push_back(bytes.substr(at, end - at));
    }
    if (!lines.empty() && lines[0] != kMarkerHeader)
        return std::nullopt;
    return lines;
}

LevelHold::LevelHold(const fs::path& folder, const Level& level, std::ostream& said, bool own)
    : folder(folder), level(level)
{
    const std::string path = (folder / markerFile(level)).string();
    for (const fs::path& file : {library(), solutions(), folder / dealtFile(level)})
        if (const std::string cause = own ? notOwnedCause(file.string()) : ""; !cause.empty() && why_.empty())
            why_ = "no se usa " + file.string() + ": " + cause;
    const auto until = std::chrono::steady_clock::now() + waitLimit;
    for (auto pause = std::chrono::milliseconds(5); why_.empty() && marker_ < 0;) {
        const Repair repair = repairInterruptedChange(folder, level);
        for (const std::string& done : repair.done)
            said << "cuadrix-biblioteca: " << done << ".\n";
        int error = 0;
        if (!repair.busy && !(why_ = repair.blocked).empty())
            break;
        if (!repair.busy && (marker_ = createLockedFile(path, error, 0600)) < 0 && error != EEXIST) {
            why_ = cannotWrite(path, error);
            unwritable_ = error == EACCES || error == EPERM || error == EROFS;
        } else if (marker_ < 0 && std::chrono::steady_clock::now() > until)
            why_ = "otro cuadrix-biblioteca sigue cambiando " + libraryFile(level) + " después de esperarlo (" + path
                + "); inténtelo más tarde";
        else if (marker_ < 0)
            std::this_thread::sleep_for(pause = std::min(pause * 2, std::chrono::milliseconds(50)));
    }
}

LevelHold::~LevelHold()
{
    if (marker_ < 0)
        return;
    if (!kept_)
        ::unlink((folder / markerFile(level)).c_str());
    ::close(marker_);
}

std::string LevelHold::mark(const std::vector<std::string>& lines, FileOps& ops) const
{
    const std::string bytes = crlf(lines);
    int error = ::ftruncate(marker_, 0) == 0 && ::lseek(marker_, 0, SEEK_SET) == 0 ? 0 : errno;
    if (!error)
        error = ops.write(marker_, bytes.data(), bytes.size());
    if (!error)
        error = ops.sync(marker_);
    return error ? cannotWrite((folder / markerFile(level)).string(), error) : "";
}

}  // namespace biblioteca
