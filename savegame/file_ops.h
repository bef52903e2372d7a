// The file-system calls a save makes, behind an interface so tests can make any of them fail.
#pragma once

#include <cstddef>
#include <string>

class FileOps {
public:
    virtual ~FileOps() = default;
    // Each returns 0 on success or an errno value.
    virtual int createUnique(std::string& pathTemplate, int& fd) = 0;  // template ends in XXXXXX
    virtual int write(int fd, const char* data, std::size_t size) = 0;  // writes all of it
    virtual int sync(int fd) = 0;
    virtual int close(int fd) = 0;
    virtual int rename(const std::string& from, const std::string& to) = 0;
    virtual int syncFolder(const std::string& folder) = 0;
    virtual void remove(const std::string& path) = 0;
};

// The real POSIX calls.
FileOps& systemFileOps();

// Writes the lines to path, each ended by CR LF, so that path always holds either its earlier
// content or the new content whole: a temporary file in the same folder is written, flushed
// and renamed over path. Returns 0 or the errno of the step that failed.
int writeLinesAtomically(const std::string& path, const std::string (&lines)[3], FileOps& ops);
