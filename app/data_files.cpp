// The game's data files: names, line reading, the Spanish causes of failures, crash-safe replacement.
// SPDX-FileCopyrightText: 2026 Equipo de Cuadrix
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/data_files.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <random>
#include <utility>

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

std::string fileErrorText(int error)
{
    switch (error) {
    case ENOENT: return "no existe";
    case ENOTDIR: return "una parte de la ruta no es una carpeta";
    case EACCES:
    case EPERM: return "no hay permiso";
    case EROFS: return "el disco es de solo lectura";
    case ENOSPC:
    case EDQUOT: return "el disco está lleno";
    case EFBIG: return "supera el tamaño de fichero que este sistema permite";
    case EISDIR: return "es una carpeta";
    case ENAMETOOLONG: return "el nombre es demasiado largo";
    case ELOOP: return "hay demasiados enlaces simbólicos en la ruta";
    case EIO: return "error de lectura o escritura en el disco";
    case EMFILE:
    case ENFILE: return "hay demasiados ficheros abiertos";
    case ENOMEM: return "no hay memoria suficiente";
    case EXDEV: return "el fichero temporal quedó en otro disco";
    case EBUSY:
    case ETXTBSY: return "el fichero está en uso";
    case ENXIO:
    case ENODEV:
    case kNotRegularFile: return "no es un fichero normal";
    case ENOTCONN:
    case ESTALE:
    case ETIMEDOUT:
    case EHOSTDOWN:
    case EHOSTUNREACH:
    case ENETDOWN:
    case ENETUNREACH:
    case ECONNRESET:
    case ECONNABORTED:
    case ECONNREFUSED:
    case EREMOTEIO:
    case ENOLINK:
    case ECOMM: return "la carpeta no responde: el disco de red o la unidad se ha desconectado";
    case EOVERFLOW:
    case kTooLarge: return "es demasiado grande";
    case EAGAIN:
    case ENOLCK: return "el fichero está bloqueado";
    case EINVAL:
    case EOPNOTSUPP: return "este disco no permite la operación";
    case EMLINK: return "la carpeta no admite más ficheros";
    case EEXIST:
    case ENOTEMPTY: return "en su lugar hay una carpeta que no está vacía";
    case EINTR: return "la operación se interrumpió";
    case kLineTooLong: return "tiene una línea de más de 16 MB";
    case kTwoByteText: return "está en UTF-16; guárdelo como texto de un byte por carácter";
    case kCannotLock: return "este disco no permite bloquear ficheros";
    default: return "error del sistema número " + std::to_string(error);
    }
}

// ---------------------------------------------------------------------------
// Reading

int openDataFile(const std::string& path, int& error)
{
    // What is not a regular file is never opened (opening some devices does something); without O_NONBLOCK, a FIFO
    // put in the file's place between the two looks would wait for a writer forever.
    struct stat st;
    const auto kind = [&st] { return S_ISDIR(st.st_mode) ? EISDIR : S_ISREG(st.st_mode) ? 0 : kNotRegularFile; };
    int fd = ::stat(path.c_str(), &st) != 0 ? -1
        : kind()                            ? -2
                                            : ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    error = fd == -2 ? kind() : fd < 0 || ::fstat(fd, &st) != 0 ? errno : kind();
    if (error && fd >= 0)
        ::close(fd);
    if (error)
        return -1;
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    return fd;
}

FileBytes readOpenFile(int fd)
{
    FileBytes file;
    char buffer[1 << 16];
    for (ssize_t n = 1; n != 0 && !file.error;) {
        n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno != EINTR)
            file.error = errno;
        else if (n > 0 && file.bytes.size() + static_cast<std::size_t>(n) > kMaxLine)
            file.error = kTooLarge;
        else if (n > 0)
            file.bytes.append(buffer, static_cast<std::size_t>(n));
    }
    if (file.error)
        file.bytes.clear();
    return file;
}

FileBytes readDataFile(const std::string& path)
{
    int error;
    const int fd = openDataFile(path, error);
    if (fd < 0)
        return {"", error};
    FileBytes file = readOpenFile(fd);
    ::close(fd);
    return file;
}

LineReader::LineReader(const std::string& path)
{
    fd_ = openDataFile(path, error_);
    if (fd_ >= 0)
        buffer_.resize(1 << 16);
}

LineReader::~LineReader()
{
    if (fd_ >= 0)
        ::close(fd_);
}

std::optional<std::string> LineReader::next()
{
    if (fd_ < 0 || error_)
        return std::nullopt;
    std::string line;
    for (;;) {
        if (at_ == filled_) {
            const ssize_t n = ::read(fd_, buffer_.data(), buffer_.size());
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0) {
                error_ = errno;
                return std::nullopt;
            }
            if (n == 0) {
                end_ = End::None;
                return line.empty() ? std::nullopt : std::optional(std::move(line));
            }
            at_ = 0;
            filled_ = static_cast<std::size_t>(n);
        }
        const char* start = buffer_.data() + at_;
        const char* lf = static_cast<const char*>(std::memchr(start, '\n', filled_ - at_));
        const std::size_t take = lf ? static_cast<std::size_t>(lf - start) : filled_ - at_;
        if (line.size() + take > kMaxLine) {
            error_ = kLineTooLong;
            return std::nullopt;
        }
        line.append(start, take);
        at_ += take;
        if (lf) {
            ++at_;
            end_ = !line.empty() && line.back() == '\r' ? End::CrLf : End::Lf;
            if (end_ == End::CrLf)
                line.pop_back();
            return line;
        }
    }
}

// ---------------------------------------------------------------------------
// Writing

namespace {

std::string folderOf(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
}

// The file a path leads to, symbolic links followed: also a file a link names that does not exist yet.
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

// A temporary name is the start of the file's name, '~', two random letters or digits and four that check them with
// the file's name (one name in 62^4 checks): no longer than the file's own name when that has seven characters or
// more, and not one a player would give a file by chance.
std::string temporaryStem(const std::string& path)
{
    const std::size_t slash = path.rfind('/') + 1;  // 0 without a slash
    const std::string name = path.substr(slash);
    return path.substr(0, slash) + name.substr(0, name.size() > 7 ? name.size() - 7 : 0) + "~";
}

const char kNameChars[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";

// The four check characters of two random ones, for the file at path.
std::string checkOf(const std::string& path, const std::string& random)
{
    std::uint32_t hash = 2166136261u;  // FNV-1a
    for (const char c : path.substr(path.rfind('/') + 1) + random)
        hash = (hash ^ static_cast<unsigned char>(c)) * 16777619u;
    std::string check;
    for (int k = 0; k < 4; ++k, hash /= 62)
        check += kNameChars[hash % 62];
    return check;
}

std::string temporaryName(const std::string& path)
{
    static std::mt19937 generator(std::random_device{}());
    std::string random(2, ' ');
    for (char& c : random)
        c = kNameChars[std::uniform_int_distribution<int>(0, 61)(generator)];
    return temporaryStem(path) + random + checkOf(path, random);
}

bool isTemporaryName(const std::string& path, const std::string& name)
{
    const std::string stem = temporaryStem(path), prefix = stem.substr(stem.rfind('/') + 1);
    return name.size() == prefix.size() + 6 && name.compare(0, prefix.size(), prefix) == 0
        && name.compare(name.size() - 4, 4, checkOf(path, name.substr(name.size() - 6, 2))) == 0;
}

// Whether the descriptor is the file now at path.
bool sameFile(int fd, const std::string& path)
{
    struct stat a, b;
    return ::fstat(fd, &a) == 0 && ::lstat(path.c_str(), &b) == 0 && a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// Locks a file just made, before anything is written to it, so that no other run takes it for abandoned; false
// when another run took it for abandoned just before and removed it. A disk that cannot lock is written all the
// same: there nothing is ever taken for abandoned.
bool lockMade(int fd, const std::string& path)
{
    if (::flock(fd, LOCK_EX) != 0 || sameFile(fd, path))
        return true;
    ::close(fd);
    return false;
}

}  // namespace

int SystemFileOps::write(int fd, const char* data, std::size_t size)
{
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return errno;
        data += n;
        size -= static_cast<std::size_t>(n);
    }
    return 0;
}

int SystemFileOps::sync(int fd) { return ::fsync(fd) == 0 ? 0 : errno; }
int SystemFileOps::rename(const std::string& from, const std::string& to)
{
    return ::rename(from.c_str(), to.c_str()) == 0 ? 0 : errno;
}

FileOps& systemFileOps()
{
    static SystemFileOps ops;
    return ops;
}

int createLockedFile(const std::string& path, int& error, int mode)
{
    for (;;) {
        const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
        error = fd < 0 ? errno : 0;
        if (fd < 0 || lockMade(fd, path))
            return fd;
    }
}

int lockAbandoned(const std::string& path, int& error)
{
    // Never through a link, nor anything but a regular file of this user's with one name: this program leaves none.
    // What is neither a regular file nor a link is not even opened (opening some devices does something).
    struct stat st;
    if (::lstat(path.c_str(), &st) == 0 && !S_ISREG(st.st_mode) && !S_ISLNK(st.st_mode)) {
        error = kNotRegularFile;
        return -1;
    }
    // Open for writing where it can, as a disk that locks across the network needs it.
    int fd = ::open(path.c_str(), O_RDWR | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0 && errno == EACCES)
        fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    error = fd < 0 ? errno
        : ::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_uid != ::geteuid() || st.st_nlink != 1
        ? kNotRegularFile
        : ::flock(fd, LOCK_EX | LOCK_NB) != 0 ? (errno == EWOULDBLOCK ? EWOULDBLOCK : kCannotLock)
        : !sameFile(fd, path)                 ? ENOENT
                                              : 0;
    if (error && fd >= 0)
        ::close(std::exchange(fd, -1));
    return fd;
}

std::vector<std::string> removeAbandonedTemporaries(const std::string& path)
{
    const std::string target = linkTarget(path), folder = folderOf(target);
    std::vector<std::string> found, removed;
    if (DIR* dir = ::opendir(folder.c_str())) {
        while (const dirent* entry = ::readdir(dir))
            if (isTemporaryName(target, entry->d_name))
                found.push_back(folder + "/" + entry->d_name);
        ::closedir(dir);
    }
    std::sort(found.begin(), found.end());
    for (const std::string& leftover : found) {
        int error;
        const int fd = lockAbandoned(leftover, error);
        if (fd >= 0 && ::unlink(leftover.c_str()) == 0)
            removed.push_back(leftover);
        if (fd >= 0)
            ::close(fd);
    }
    return removed;
}

int writeFileAtomically(const std::string& path, const std::string& bytes, FileOps& ops)
{
    const std::string target = linkTarget(path);
    struct stat st;
    const bool exists = ::stat(target.c_str(), &st) == 0;
    if (exists && !S_ISREG(st.st_mode))
        return S_ISDIR(st.st_mode) ? EISDIR : kNotRegularFile;
    removeAbandonedTemporaries(target);

    std::string temporary;
    int fd = -1, error = EEXIST;
    for (int attempt = 0; error == EEXIST && attempt < 100; ++attempt)
        fd = createLockedFile(temporary = temporaryName(target), error, 0666);
    if (error)
        return error;
    // The new file keeps the permissions of the one it replaces, or gets those of a new file (the umask's): the
    // owner's alone in a folder closed to everyone else.
    struct stat folder;
    if (exists)
        ::fchmod(fd, st.st_mode & 07777);
    else if (::stat(folderOf(target).c_str(), &folder) == 0 && (folder.st_mode & 077) == 0)
        ::fchmod(fd, 0600);

    error = ops.write(fd, bytes.data(), bytes.size());
    if (!error)
        error = ops.sync(fd);
    if (!error)
        error = ops.rename(temporary, target);
    if (error)
        ::unlink(temporary.c_str());
    // The lock goes with the descriptor, once the file is in place or gone; the flush has already told of any failure.
    ::close(fd);
    if (error)
        return error;
    // The rename is done; a failed flush of the folder only weakens it against a power cut.
    const int folderFd = ::open(folderOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folderFd >= 0) {
        ops.sync(folderFd);
        ::close(folderFd);
    }
    return 0;
}

std::string writeErrorText(int error, const std::string& path)
{
    if (error != ENOENT)
        return fileErrorText(error);
    return "la carpeta " + folderOf(std::filesystem::path(linkTarget(path)).lexically_normal().string()) + " no existe";
}
