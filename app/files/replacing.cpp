// Crash-safe replacement of a file: temporaries named and locked by the run that writes them, and the atomic write.
// SPDX-FileCopyrightText: 2026 Equipo de Cuadrix
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/files/replacing.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <random>
#include <utility>

#include "app/files/places.h"

namespace {

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

namespace {

// A new temporary beside target, locked, with the permissions the file will have: those of the file it replaces, or
// those of a new file (the umask's), the owner's alone in a folder closed to everyone else. -1 and error when none
// can be made.
int makeTemporary(const std::string& target, const struct stat* replaced, std::string& temporary, int& error)
{
    int fd = -1;
    error = EEXIST;
    for (int attempt = 0; error == EEXIST && attempt < 100; ++attempt)
        fd = createLockedFile(temporary = temporaryName(target), error, 0666);
    struct stat folder;
    if (fd >= 0 && replaced)
        ::fchmod(fd, replaced->st_mode & 07777);
    else if (fd >= 0 && ::stat(folderOf(target).c_str(), &folder) == 0 && (folder.st_mode & 077) == 0)
        ::fchmod(fd, 0600);
    return fd;
}

// Flushes a folder after a rename in it; a failure only weakens the rename against a power cut.
void syncFolder(const std::string& folder, FileOps& ops)
{
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ops.sync(fd);
        ::close(fd);
    }
}

}  // namespace

int writeFileAtomically(const std::string& path, const std::string& bytes, FileOps& ops)
{
    const std::string target = linkTarget(path);
    struct stat st;
    const bool exists = ::stat(target.c_str(), &st) == 0;
    if (exists && !S_ISREG(st.st_mode))
        return S_ISDIR(st.st_mode) ? EISDIR : kNotRegularFile;
    removeAbandonedTemporaries(target);

    std::string temporary;
    int error;
    const int fd = makeTemporary(target, exists ? &st : nullptr, temporary, error);
    if (fd < 0)
        return error;
    error = ops.write(fd, bytes.data(), bytes.size());
    if (!error)
        error = ops.sync(fd);
    if (!error)
        error = ops.rename(temporary, target);
    if (error)
        ::unlink(temporary.c_str());
    // The lock goes with the descriptor, once the file is in place or gone; the flush has already told of any failure.
    ::close(fd);
    if (!error)
        syncFolder(folderOf(target), ops);
    return error;
}
