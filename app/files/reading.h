// Reading a data file safely: a regular file only, opened without blocking, bounded; whole or a line at a time.
// SPDX-FileCopyrightText: 2026 Equipo de Cuadrix
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "app/files/causes.h"

// Far above any line a data file needs, labels of a megabyte included, and any help page.
constexpr std::size_t kMaxLine = std::size_t(16) << 20;

// Opens a data file for reading: a regular file only, without waiting (a FIFO or a device is refused at once).
// Returns the descriptor, or -1 with error set.
int openDataFile(const std::string& path, int& error);

// A data file read whole, opened as above, up to kMaxLine bytes (kTooLarge beyond).
struct FileBytes {
    std::string bytes;
    int error = 0;
};
FileBytes readDataFile(const std::string& path);
// The rest of a file already open, from where it stands, as readDataFile reads.
FileBytes readOpenFile(int fd);

// Reads a file one line at a time: a line ends at LF, and a CR before the LF is dropped.
// Only a regular file is opened, without waiting; bytes are kept as they are.
class LineReader {
public:
    explicit LineReader(const std::string& path);
    ~LineReader();
    LineReader(const LineReader&) = delete;
    LineReader& operator=(const LineReader&) = delete;

    bool isOpen() const { return fd_ >= 0; }
    // The next line; nothing at the end of the file or once error() is set.
    std::optional<std::string> next();
    // 0, or why the file could not be opened or read on (an errno value, kNotRegularFile, kLineTooLong).
    int error() const { return error_; }
    // Whether the last line read ended with CR LF, LF alone, or the end of the file.
    enum class End { CrLf, Lf, None };
    End lastEnd() const { return end_; }

private:
    int fd_ = -1;
    int error_ = 0;
    End end_ = End::None;
    std::vector<char> buffer_;
    std::size_t at_ = 0, filled_ = 0;
};
