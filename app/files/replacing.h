// Replacing a file crash-safely: the system calls behind an interface, locked temporaries, the atomic write.
// SPDX-FileCopyrightText: 2026 Equipo de Cuadrix
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "app/files/causes.h"

// The calls that write a file's new content and put it in place, behind an interface so tests can make any fail.
class FileOps {
public:
    virtual ~FileOps() = default;
    // Each returns 0 on success or an errno value. sync flushes a file or a folder.
    virtual int write(int fd, const char* data, std::size_t size) = 0;  // writes all of it
    virtual int sync(int fd) = 0;
    virtual int rename(const std::string& from, const std::string& to) = 0;
};

// The real POSIX calls; tests derive from it to make one of them fail.
class SystemFileOps : public FileOps {
public:
    int write(int fd, const char* data, std::size_t size) override;
    int sync(int fd) override;
    int rename(const std::string& from, const std::string& to) override;
};
FileOps& systemFileOps();

// Files a run of this program holds locked while it lasts (a temporary file being written, the marker of a change in
// progress); the lock goes when the run ends, however it ends. createLockedFile makes a new one with the mode given
// (-1 and error EEXIST when one is there already). lockAbandoned opens one no run holds any longer, as the file still
// at path; -1 and error EWOULDBLOCK while a run holds it, kCannotLock on a disk that cannot lock, kNotRegularFile for
// what this program never leaves (a link, a FIFO, another user's file, one with more than one name), or why it
// cannot be opened.
int createLockedFile(const std::string& path, int& error, int mode);
int lockAbandoned(const std::string& path, int& error);

// Removes the temporary files beside path that replacements of path left behind when they were cut short: named as
// this program names them (with four characters that check the name), the user's own, and no longer locked by the run
// that wrote them (a run holds its lock until the file is in place, and a run that ends, however, lets it go).
// Returns those removed.
std::vector<std::string> removeAbandonedTemporaries(const std::string& path);

// Replaces the file at path (or, when path is a symbolic link, the regular file it leads to, never a device, FIFO or
// socket) by bytes so that it always holds either its earlier content or the new one whole: a temporary file in the
// same folder (its name no longer than the file's when that has seven characters or more), locked while it is
// written, is flushed and renamed over it.
// Abandoned temporaries are removed first. A new file is the owner's alone (0600) in a folder closed to everyone else.
// Returns 0 or the errno of the failed step (kNotRegularFile for a link to anything but a regular file).
int writeFileAtomically(const std::string& path, const std::string& bytes, FileOps& ops);
