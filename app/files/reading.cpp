// The one safe reader of the data files, and the line reader built on it.
// SPDX-FileCopyrightText: 2026 Equipo de Cuadrix
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/files/reading.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

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
